// Windows: the display is found by its window title and fed WM_COPYDATA.
#include "platform/osd_delivery.h"

#ifdef Q_OS_WIN

#include <windows.h>

#include <QLoggingCategory>
#include <string>

Q_DECLARE_LOGGING_CATEGORY(lcOsdDelivery)

namespace mousecfg {

namespace {

// A display that hangs must not hang us: the send gives up after this long.
constexpr UINT kSendTimeoutMs = 200;

class WindowsOsdEndpoint : public OsdEndpoint {
public:
    void probe() override {
        const std::wstring title = osd::windowTitle().toStdWString();
        window_ = FindWindowW(nullptr, title.c_str());
        if (ready())
            Q_EMIT found();
        else
            Q_EMIT notFound();
    }

    bool ready() const override { return window_ != nullptr && IsWindow(window_); }

    bool send(const QByteArray& record) override {
        if (!ready()) return false;
        COPYDATASTRUCT data;
        data.dwData = 0;
        data.cbData = static_cast<DWORD>(record.size());
        data.lpData = const_cast<char*>(record.constData());
        DWORD_PTR answer = 0;
        const LRESULT sent = SendMessageTimeoutW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                                 SMTO_ABORTIFHUNG | SMTO_NORMAL, kSendTimeoutMs, &answer);
        if (sent == 0 || answer == 0) {
            qCDebug(lcOsdDelivery) << "SendMessage failed";
            window_ = nullptr;
            return false;
        }
        return true;
    }

private:
    HWND window_ = nullptr;
};

}  // namespace

std::unique_ptr<OsdEndpoint> makeWindowsOsdEndpoint() {
    return std::make_unique<WindowsOsdEndpoint>();
}

}  // namespace mousecfg

#endif  // Q_OS_WIN
