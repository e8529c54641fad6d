#pragma once

#include <QObject>

class QTimer;

namespace mousecfg {

// Implemented by the window that knows whether the mouse has been opened again after it was
// plugged in. A polling TarnMessageBox asks its parent through this interface.
class DeviceReadyFlag {
public:
    virtual ~DeviceReadyFlag() = default;
    virtual bool isDeviceReady() const = 0;
};

// The clock a polling box listens to. The program uses PollTimer (every 100 ms); tests drive a
// ticker of their own, so they never wait.
class PollTicker : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;

Q_SIGNALS:
    void tick();
};

class PollTimer : public PollTicker {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 100;
    explicit PollTimer(QObject* parent = nullptr);
    void start() override;
    void stop() override;
    int interval() const;

private:
    QTimer* timer_;
};

}  // namespace mousecfg
