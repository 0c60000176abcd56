#include "reports/runner.h"
#include "reports/ui/previewoutput.h"
#include "reports/ui/reportpreview.h"
#include "ui/scriptedmessages.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Runs `check` once the preview is the active modal window, then closes it
// whatever the check found, so a failing check cannot hang the test.
void whenPreviewShows(QObject *context, std::function<void(ReportPreview *)> check)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, check] {
        auto *preview = qobject_cast<ReportPreview *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        poll->stop();
        poll->deleteLater();
        check(preview);
        preview->reject();
    });
    poll->start(10);
}

} // namespace

class TstReportPreview : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeReport()
    {
        const QString path = m_dir.filePath(QStringLiteral("paginas.rav"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("<project><report name=\"relatorio\"><data source=\"rdsX\">"
                       "<row height=\"200\" new-page=\"yes\"><text>Folha {N}</text></row>"
                       "</data></report></project>");
        return path;
    }

private Q_SLOTS:
    void init() { qunsetenv(ReportRunner::kPdfFolderVariable); }

    // The run shows the preview modally, maximised at 50 %; the operator
    // pages, saves a PDF and closes; only then does the caller go on.
    void previewIsModalMaximisedAtHalfZoom()
    {
        ScriptedMessages messages;
        const QString saved = m_dir.filePath(QStringLiteral("salvo"));
        messages.answerFile(saved);

        MemoryDataSource rows(
            QVariantList {QVariantMap {{"N", 1}}, QVariantMap {{"N", 2}}, QVariantMap {{"N", 3}}});
        ReportConnections connections;
        ReportConnection conn(QStringLiteral("rdsX"), rows, connections);
        ReportRunner runner(connections);
        PreviewOutput output;
        runner.setOutput(&output);
        runner.setProjectFile(writeReport());

        bool seen = false;
        bool closedByOperator = false;
        whenPreviewShows(this, [&](ReportPreview *preview) {
            seen = true;
            QCOMPARE(preview->windowTitle(), QStringLiteral("Report Preview"));
            QVERIFY(preview->windowState() & Qt::WindowMaximized);
            QCOMPARE(preview->zoom(), 50);
            QCOMPARE(preview->findChild<QComboBox *>(QStringLiteral("cbZoom"))->currentText(),
                     QStringLiteral("50 %"));
            auto *page = preview->findChild<QLabel *>(QStringLiteral("lbPage"));
            QCOMPARE(page->text(), QStringLiteral("Página 1 de 3"));
            QVERIFY(!preview->findChild<QPushButton *>(QStringLiteral("btnPrior"))->isEnabled());
            preview->findChild<QPushButton *>(QStringLiteral("btnNext"))->click();
            QCOMPARE(page->text(), QStringLiteral("Página 2 de 3"));
            preview->findChild<QPushButton *>(QStringLiteral("btnLast"))->click();
            QCOMPARE(page->text(), QStringLiteral("Página 3 de 3"));
            QVERIFY(!preview->findChild<QPushButton *>(QStringLiteral("btnNext"))->isEnabled());
            auto *zoom = preview->findChild<QComboBox *>(QStringLiteral("cbZoom"));
            zoom->setCurrentIndex(zoom->findData(100));
            QCOMPARE(preview->zoom(), 100);
            preview->findChild<QPushButton *>(QStringLiteral("btnSavePdf"))->click();
            closedByOperator = true;
            preview->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        });
        QVERIFY(runner.execute(QStringLiteral("relatorio")));
        QVERIFY(seen);
        QVERIFY(closedByOperator);
        QVERIFY(messages.texts(ScriptedMessages::Kind::Error).isEmpty());
        QCOMPARE(messages.texts(ScriptedMessages::Kind::SaveFile).size(), 1);
        QVERIFY(QFile::exists(saved + QStringLiteral(".pdf")));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            const QString text = pdfText(saved + QStringLiteral(".pdf"));
            QVERIFY(text.contains(QStringLiteral("Folha 1")) && text.contains(QStringLiteral("Folha 3")));
        }
    }

    // A save the operator cancels writes nothing and says nothing.
    void cancelledSaveWritesNothing()
    {
        ScriptedMessages messages;
        messages.answerFile(QString());
        Report::Document doc;
        doc.pages.resize(1);
        ReportPreview preview(doc);
        preview.findChild<QPushButton *>(QStringLiteral("btnSavePdf"))->click();
        QCOMPARE(messages.texts(ScriptedMessages::Kind::SaveFile).size(), 1);
        QVERIFY(messages.texts(ScriptedMessages::Kind::Error).isEmpty());
    }

    // Printing sends the chosen pages, at full size, to the printer.
    void printsTheChosenPages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        MemoryDataSource rows(
            QVariantList {QVariantMap {{"N", 1}}, QVariantMap {{"N", 2}}, QVariantMap {{"N", 3}}});
        ReportConnections connections;
        ReportConnection conn(QStringLiteral("rdsX"), rows, connections);
        struct Keep : ReportOutput
        {
            Report::Document doc;
            void deliver(const Report::Document &d) override { doc = d; }
        } keep;
        ReportRunner runner(connections);
        runner.setOutput(&keep);
        runner.setProjectFile(writeReport());
        QVERIFY(runner.execute(QStringLiteral("relatorio")));

        ReportPreview preview(keep.doc);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString out = m_dir.filePath(QStringLiteral("impresso.pdf"));
        printer.setOutputFileName(out);
        printer.setPageLayout(keep.doc.pageLayout());
        preview.printTo(printer, 2, 3);
        QCOMPARE(printer.docName(), QStringLiteral("ReportPrinter Report"));
        const QString text = pdfText(out);
        QVERIFY(!text.contains(QStringLiteral("Folha 1")));
        QVERIFY(text.contains(QStringLiteral("Folha 2")));
        QVERIFY(text.contains(QStringLiteral("Folha 3")));
    }
};

QTEST_MAIN(TstReportPreview)
#include "tst_reportpreview.moc"
