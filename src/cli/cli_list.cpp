#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_command.h"

namespace mousecfg {

namespace {

QString presence(bool present) {
    return present ? QStringLiteral("present") : QStringLiteral("absent");
}

// {"products": [{"product": text, "receiver": PATH, "cable": PATH}]} with
// PATH = {"usb_id": "248a:fa02", "mouse_collection": bool, "command_collection": bool, "path": text|null}
QJsonObject listView(const std::vector<DeviceEntry>& entries) {
    QJsonArray products;
    for (const DeviceEntry& e : entries) {
        QJsonObject product{{QStringLiteral("product"), QString::fromLatin1(e.productName)}};
        static const char* const kinds[] = {"receiver", "cable"};
        for (int g = 0; g < 2; ++g) {
            const DevicePath& p = e.paths[static_cast<size_t>(g)];
            product[QLatin1String(kinds[g])] = QJsonObject{
                {QStringLiteral("usb_id"), QStringLiteral("%1:%2")
                                               .arg(p.vendorId, 4, 16, QLatin1Char('0'))
                                               .arg(p.productId, 4, 16, QLatin1Char('0'))},
                {QStringLiteral("mouse_collection"), p.mouse.present},
                {QStringLiteral("command_collection"), p.command.present},
                {QStringLiteral("path"), p.command.present
                                             ? QJsonValue(QString::fromLocal8Bit(p.command.path))
                                             : QJsonValue(QJsonValue::Null)},
            };
        }
        products.append(product);
    }
    return QJsonObject{{QStringLiteral("products"), products}};
}

void printListText(QTextStream& out, const QJsonObject& view) {
    for (const QJsonValue& pv : view[QStringLiteral("products")].toArray()) {
        const QJsonObject product = pv.toObject();
        const QString name = product[QStringLiteral("product")].toString();
        out << "product: " << (name.isEmpty() ? QStringLiteral("(unnamed)") : name) << '\n';
        for (const char* kind : {"receiver", "cable"}) {
            const QJsonObject p = product[QLatin1String(kind)].toObject();
            out << QStringLiteral("  %1 %2: mouse collection %3, command collection %4")
                       .arg(QLatin1String(kind), p[QStringLiteral("usb_id")].toString(),
                            presence(p[QStringLiteral("mouse_collection")].toBool()),
                            presence(p[QStringLiteral("command_collection")].toBool()));
            if (!p[QStringLiteral("path")].isNull()) out << ", path " << p[QStringLiteral("path")].toString();
            out << '\n';
        }
    }
}

}  // namespace

// mousecfg-cli list: every listed product and which of its collections enumeration found.
int runListCommand(CliContext& context, const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        context.error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
    DeviceLink& link = *context.link;
    link.InitDeviceList(context.paths);
    if (link.EnumerateDevices() != 0) {
        context.error(QStringLiteral("HID initialisation failed"));
        return TxNoDevice;
    }
    const QJsonObject view = listView(link.deviceList());
    if (parser.isSet(QStringLiteral("json")))
        *context.out << QJsonDocument(view).toJson(QJsonDocument::Indented);
    else
        printListText(*context.out, view);
    return kCliOk;
}

}  // namespace mousecfg
