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

bool FakeSerialControl::waitForInput(int ms)
{
    if (!open)
        return false;
    if (!input.isEmpty())
        return true;
    if (clock_)
        clock_->advance(qMax(1, ms));
    return false;
}
