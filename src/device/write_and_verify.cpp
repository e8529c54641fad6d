// The checked transaction: write one command frame, read the echo, compare, retry.
#include <algorithm>

#include "device/device_link.h"
#include "device/device_log.h"
#include "device/pacer.h"

namespace mousecfg {

namespace {

constexpr int kPauseAfterWrite = 10;
constexpr int kPauseBeforeReread = 50;
constexpr int kReadTimeout = 150;
constexpr int kMaxReadFailures = 29;      // failed reads retried before a rewrite
constexpr int kMaxHeaderMismatches = 19;  // header mismatches re-read before a rewrite
constexpr int kMaxAllZero = 5;            // all-zero answers that trigger an uncounted rewrite
constexpr int kMaxRewrites = 2;
constexpr int kMinLength = 8;
constexpr int kMaxLength = 63;
const char kTraceEnd[] = "--------------------------------------";

QString hexLine(const char* prefix, int length, const CommandFrame& bytes) {
    QString s = QString::asprintf("%s length=%d data=", prefix, length);
    for (int i = 1; i <= kFrameLength; ++i)
        s += QString::asprintf(i == 1 ? "%02x" : " %02x", bytes[static_cast<size_t>(i)]);
    return s;
}

bool headerAllZero(const CommandFrame& answer) {
    return std::all_of(answer.begin() + 1, answer.begin() + 9, [](uint8_t b) { return b == 0; });
}

}  // namespace

int CompareEcho(const CommandFrame& sent, const CommandFrame& answer, bool checkData) {
    for (int i : {frame_byte::kReportId, frame_byte::kMarker, frame_byte::kCommand, frame_byte::kOffsetLow,
                  frame_byte::kOffsetHigh, frame_byte::kLength}) {
        if (answer[static_cast<size_t>(i)] != sent[static_cast<size_t>(i)]) return EchoHeaderDiffers;
    }
    if (!checkData) return EchoMatch;
    // The length byte may claim more than a report carries; only the bytes on the wire count.
    const int n = std::min<int>(sent[frame_byte::kLength], kFrameMaxData);
    for (int i = kFrameDataStart; i < kFrameDataStart + n; ++i) {
        if (answer[static_cast<size_t>(i)] != sent[static_cast<size_t>(i)]) return EchoDataDiffers;
    }
    return EchoMatch;
}

TxResult DeviceLink::WriteAndVerify(const CommandFrame& frame, int length) {
    if (length < kMinLength || length > kMaxLength) return TxWriteError;
    std::lock_guard<std::mutex> lock(mutex_);
    trace(QStringLiteral("开始发送%1").arg(QLatin1String(kTraceEnd)));
    HidHandle* handle = commandHandleLocked();
    if (!handle) {
        trace(QStringLiteral("没找到设备，失败返回%1").arg(QLatin1String(kTraceEnd)));
        return TxNoDevice;
    }
    return transactLocked(*handle, frame, length);
}

TxResult DeviceLink::transactLocked(HidHandle& handle, const CommandFrame& frame, int length) {
    CommandFrame out{};
    std::copy(frame.begin(), frame.begin() + length + 1, out.begin());
    out[frame_byte::kChecksum] = frameChecksum(out);
    const EchoClass echo = echoClassOf(out[frame_byte::kCommand]);
    const size_t wireLength = static_cast<size_t>(length);

    CommandFrame answer{};  // zero-filled once; a time-out leaves it as it was
    int readFailures = 0, headerMismatches = 0, allZeroAnswers = 0, rewrites = 0;
    int lastOutcome = EchoMatch;
    bool compared = false;  // whether any answer was compared with the frame

    auto succeed = [this] {
        trace(QStringLiteral("发送成功%1").arg(QLatin1String(kTraceEnd)));
        trace(QStringLiteral(" "));
        trace(QStringLiteral(" "));
        return TxOk;
    };
    auto fail = [this](const QString& line, TxResult code) {
        trace(line + QLatin1String(kTraceEnd));
        trace(QStringLiteral(" "));
        trace(QStringLiteral(" "));
        return code;
    };

    for (;;) {
        // Write step.
        const int written = handle.write(out.data() + 1, wireLength);
        if (trace_) trace(hexLine("hid_write", length, out));
        if (written < 0) {
            qCDebug(lcDevice, "Unable to send a feature report.\n");
            return fail(QStringLiteral("hid_write发送失败"), TxWriteError);
        }
        pacer_.pause(kPauseAfterWrite);

        // Read step, repeated until the frame must be written again or the call ends.
        bool rewrite = false;
        while (!rewrite) {
            if (echo == EchoClass::None) return succeed();
            trace(QStringLiteral("hid_read开始"));
            const int got = handle.readTimeout(answer.data() + 1, wireLength, kReadTimeout);
            if (got < 0) {
                trace(QStringLiteral("hid_read开始读失败 %1").arg(readFailures));
                ++readFailures;
                if (readFailures <= kMaxReadFailures) {
                    pacer_.pause(kPauseBeforeReread);
                    trace(QStringLiteral("重新读"));
                    continue;
                }
                trace(QStringLiteral("写失败 %1").arg(rewrites));
                ++rewrites;
                if (rewrites <= kMaxRewrites) {
                    trace(QStringLiteral("重新写"));
                    rewrite = true;
                    continue;
                }
                return fail(QStringLiteral("多次读失败，返回"), TxNoEcho);
            }
            if (trace_) trace(hexLine("hid_read", length, answer));

            int outcome;
            if (headerAllZero(answer)) {
                ++allZeroAnswers;
                if (allZeroAnswers <= kMaxAllZero) {
                    trace(QStringLiteral("对比位全为0，跳转到重新写"));
                    rewrite = true;  // not counted as a rewrite
                    continue;
                }
                trace(QStringLiteral("对比位全为0多次，返回%1").arg(QLatin1String(kTraceEnd)));
                // Nothing but silence or empty reports: the frame was never confirmed, so a
                // mouse that sleeps or is out of reach is not reported as written.
                if (!compared) return fail(QStringLiteral("没有回应，返回"), TxNoEcho);
                outcome = lastOutcome;
            } else {
                outcome = CompareEcho(out, answer, echo == EchoClass::Data);
                lastOutcome = outcome;
                compared = true;
            }

            if (outcome == EchoDataDiffers) {
                ++rewrites;
                if (rewrites <= kMaxRewrites) {
                    trace(QStringLiteral("数据位对比失败，重新写 %1").arg(rewrites));
                    allZeroAnswers = 0;
                    rewrite = true;
                    continue;
                }
                return fail(QStringLiteral("数据位多次对比失败，返回"), TxNoEcho);
            }
            if (outcome == EchoHeaderDiffers) {
                ++headerMismatches;
                if (headerMismatches <= kMaxHeaderMismatches) {
                    // The mouse may still be answering an earlier frame.
                    pacer_.pause(kPauseBeforeReread);
                    trace(QStringLiteral("指令位对比失败，重新读 %1").arg(rewrites));
                    allZeroAnswers = 0;
                    continue;
                }
                ++rewrites;
                if (rewrites <= kMaxRewrites) {
                    trace(QStringLiteral("指令位对比失败，重新写 %1").arg(rewrites));
                    allZeroAnswers = 0;
                    rewrite = true;
                    continue;
                }
                return fail(QStringLiteral("指令位多次对比失败，返回"), TxNoEcho);
            }
            return succeed();
        }
    }
}

}  // namespace mousecfg
