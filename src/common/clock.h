#pragma once

#include <QDate>
#include <QDateTime>

// The program's notion of "now". Windows and rules ask the installed clock, so
// tests can fix the date with FixedClock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

    static const Clock &instance();
    // Installs a clock (not owned); nullptr restores the system clock.
    static void install(const Clock *clock);
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at) : m_at(std::move(at)) { }
    QDateTime now() const override { return m_at; }
    void set(const QDateTime &at) { m_at = at; }

private:
    QDateTime m_at;
};
