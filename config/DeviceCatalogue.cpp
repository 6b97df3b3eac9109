#include "config/DeviceCatalogue.h"

#include "platform/InitOrder.h"

MHash g_DeviceList QUORRIX_INIT_ORDER(INIT_ORDER_DEVICE_LIST);

namespace {
QString g_strDeviceName;
}

QString GetDeviceName(std::uint16_t wModuleType) {
    const int nFamily = (wModuleType >> 8) & 0xFF;
    const int nDevice = wModuleType & 0xFF;
    const QString strFamily = QString::asprintf("%02X", nFamily);
    const QString strDevice = QString::asprintf("%02X", nDevice);
    g_strDeviceName.clear();
    MHashSection& families = g_DeviceList.GetSection(QStringLiteral("FAMILY"));
    if (!families.HasKey(strFamily)) {
        g_strDeviceName = QString::asprintf("Device %02X(%02X)", nFamily, nDevice);
        return g_strDeviceName;
    }
    g_strDeviceName = families.GetItem(strFamily).value;
    MHashSection& devices = g_DeviceList.GetSection(strFamily);
    if (devices.HasKey(strDevice)) {
        g_strDeviceName += QLatin1String(", ") + devices.GetItem(strDevice).value;
    } else {
        g_strDeviceName += QLatin1Char('(') + strDevice + QLatin1Char(')');
    }
    return g_strDeviceName;
}
