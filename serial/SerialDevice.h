#pragma once
// The platform back end of the serial component. One implementation per platform (termios on
// Linux); tests use a scripted one.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
};
