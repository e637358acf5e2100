#include "support/TestProgram.h"
#include "support/UnitFrames.h"

TestProgram::TestProgram(const Overrides& with)
{
    program = std::make_unique<Program>(platform(with));
    program->LinkObject.setCommSettings(QStringLiteral("9600,N,8,1"));
    program->LinkObject.setCheckAddress(false);
    program->LinkObject.setMsgTimeout(2.0f);
    program->LinkObject.setDeviceAddress(QStringLiteral("A"));
    serial.responder = [this](const QByteArray& frame) -> QByteArray {
        char address = 0;
        QByteArray command;
        if (!unitframes::parseSerialRequest(frame, address, command))
            return {};
        commands.append(command);
        if (!sequences.value(command).isEmpty()) {
            const QByteArray data = sequences[command].takeFirst();
            return data.isEmpty() ? QByteArray() : unitframes::serialReply(unitAddress, data);
        }
        if (rawReplies.contains(command))
            return rawReplies.value(command);
        if (!replies.contains(command))
            return {};
        return unitframes::serialReply(unitAddress, replies.value(command));
    };
}
