#include "reports/barcode.h"

#include "reports/reporterror.h"

#include <zint.h>

#include <memory>

namespace Report {

std::vector<QRectF> interleaved2of5(const QString &digits, double narrow, double height)
{
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw ReportError(
                QStringLiteral("Código de barras inválido: \"%1\" deve ter somente dígitos.").arg(digits));
    if (digits.isEmpty() || digits.size() % 2 != 0)
        throw ReportError(
            QStringLiteral("Código de barras inválido: \"%1\" deve ter um número par de dígitos.")
                .arg(digits));

    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol)
        throw ReportError(QStringLiteral("Sem memória para o código de barras."));
    symbol->symbology = BARCODE_C25INTER;
    symbol->option_2 = 0; // no check digit: the 44 digits carry their own
    symbol->show_hrt = 0;
    symbol->whitespace_width = 0;
    symbol->border_width = 0;
    const QByteArray data = digits.toLatin1();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()),
        static_cast<int>(data.size()), 0);
    if (rc >= ZINT_ERROR || !symbol->vector || symbol->width <= 0)
        throw ReportError(
            QStringLiteral("Código de barras inválido: %1").arg(QString::fromLatin1(symbol->errtxt)));

    // The vector is in zint's own units; one module is width / modules of them.
    const double unit = symbol->vector->width / symbol->width;
    std::vector<QRectF> bars;
    for (auto *r = symbol->vector->rectangles; r; r = r->next) {
        const double x = r->x / unit * narrow;
        const double w = r->width / unit * narrow;
        bars.emplace_back(x, 0.0, w, height);
    }
    return bars;
}

} // namespace Report
