#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A money amount in fixed point: a signed count of ten-thousandths (four
// decimal places). Never a binary float.
class TValor
{
public:
    constexpr TValor() = default;

    static constexpr TValor DeDezMilesimos(std::int64_t dezMilesimos)
    {
        TValor v;
        v.m_dezMilesimos = dezMilesimos;
        return v;
    }
    static constexpr TValor DeCentavos(std::int64_t centavos) { return DeDezMilesimos(centavos * 100); }

    // Reads "150", "150.5", "-0.0001": an optional "-", digits, and optionally
    // a point followed by one to four digits. Anything else, or an amount that
    // does not fit, gives no value.
    static std::optional<TValor> DeTexto(std::string_view texto);

    constexpr std::int64_t DezMilesimos() const { return m_dezMilesimos; }
    // Whole cents, fractions of a cent dropped (toward zero).
    constexpr std::int64_t Centavos() const { return m_dezMilesimos / 100; }

    constexpr bool operator==(const TValor &) const = default;

private:
    std::int64_t m_dezMilesimos = 0;
};
