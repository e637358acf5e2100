#include "support/FakeSerialControl.h"
#include "support/FakeClock.h"

bool FakeSerialControl::setOpen(bool o)
{
    if (o && failOpen) {
        error = QStringLiteral("Cannot open port");
        return false;
    }
    if (o && !open)
        ++opens;
    open = o;
    return true;
}

bool FakeSerialControl::write(const QByteArray& data)
{
    if (!open) {
        error = QStringLiteral("Port is not open");
        return false;
    }
    if (failWrite) {
        if (error.isEmpty())
            error = QStringLiteral("Write error");
        return false;
    }
    written.append(data);
    if (responder)
        input += responder(data);
    return true;
}

QByteArray FakeSerialControl::read()
{
    const qsizetype n = inputLen > 0 ? qMin<qsizetype>(inputLen, input.size()) : input.size();
    QByteArray out = input.left(n);
    input.remove(0, n);
    return out;
}

void FakeSerialControl::deliverDue()
{
    const qint64 now = clock_ ? clock_->msNow() : 0;
    for (qsizetype i = 0; i < arrivals.size();) {
        if (arrivals[i].atMs <= now) {
            input += arrivals[i].bytes;
            arrivals.removeAt(i);
        } else {
            ++i;
        }
    }
}

int FakeSerialControl::inBufferCount()
{
    if (open)
        deliverDue();
    return static_cast<int>(input.size());
}

bool FakeSerialControl::waitForInput(int ms)
{
    if (!open)
        return false;
    if (vanishOnWait) {
        vanishOnWait = false;
        open = false;
        error = QStringLiteral("Device gone");
        return false;
    }
    deliverDue();
    if (!input.isEmpty())
        return true;
    if (!clock_)
        return false;
    // Sleep until the first arrival within the wait, else through the whole wait.
    const qint64 end = clock_->msNow() + qMax(1, ms);
    qint64 next = end;
    for (const Arrival& a : arrivals)
        next = qMin(next, a.atMs);
    clock_->advance(qMax<qint64>(0, next - clock_->msNow()));
    deliverDue();
    return !input.isEmpty();
}
