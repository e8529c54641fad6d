#include "cli/cli_command.h"

namespace mousecfg {

namespace {

QString presence(const CollectionSlot& c) {
    return c.present ? QStringLiteral("present") : QStringLiteral("absent");
}

}  // namespace

// mousecfg-cli list: every listed product and which of its collections enumeration found.
int runListCommand(CliContext& context, const QCommandLineParser&) {
    DeviceLink& link = *context.link;
    link.InitDeviceList(context.paths);
    if (link.EnumerateDevices() != 0) {
        context.error(QStringLiteral("HID initialisation failed"));
        return TxNoDevice;
    }
    QTextStream& out = *context.out;
    for (const DeviceEntry& e : link.deviceList()) {
        const QString name = QString::fromLatin1(e.productName);
        out << "product: " << (name.isEmpty() ? QStringLiteral("(unnamed)") : name) << '\n';
        static const char* const kinds[] = {"receiver", "cable"};
        for (int g = 0; g < 2; ++g) {
            const DevicePath& p = e.paths[static_cast<size_t>(g)];
            out << QStringLiteral("  %1 %2:%3: mouse collection %4, command collection %5")
                       .arg(QLatin1String(kinds[g]))
                       .arg(p.vendorId, 4, 16, QLatin1Char('0'))
                       .arg(p.productId, 4, 16, QLatin1Char('0'))
                       .arg(presence(p.mouse), presence(p.command));
            if (p.command.present) out << ", path " << QString::fromLocal8Bit(p.command.path);
            out << '\n';
        }
    }
    return kCliOk;
}

}  // namespace mousecfg
