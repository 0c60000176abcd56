#include "common/clock.h"

namespace {
class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock systemClock;
const Clock *installed = &systemClock;
} // namespace

const Clock &Clock::instance()
{
    return *installed;
}

void Clock::install(const Clock *clock)
{
    installed = clock ? clock : &systemClock;
}
