#pragma once
// Raises the serial component's data event directly on the user-interface thread, with the bytes
// in its ReceiveBuffer as if TDispThread had taken them from the line: for measuring and testing
// the handler's side without the component's threads in between.
#include <QByteArray>

class TComPort;

struct ComPortProbe {
    // The port must be open, its line quiet and no event outstanding. Returns after the handler.
    static void raiseDataEvent(TComPort& port, const QByteArray& bytes);
};
