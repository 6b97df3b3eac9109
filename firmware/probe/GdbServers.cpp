#include "firmware/probe/GdbServers.h"

namespace {

const QStringList kNoCommands;

}  // namespace

const std::vector<GdbServerProfile>& GdbServerProfiles() {
    using F = MonitorFailure;
    // name, title, port, PacketSize, NoAck, qCRC, erase in commit, scan and attach,
    // slow writes, reset, monitor failure
    // clang-format off
    static const std::vector<GdbServerProfile> profiles = {
        {"generic", "GDB server", 0, 0x400, true, true, false, false, false,
         {QStringLiteral("reset run")}, F::ErrorReply, ""},
        {"openocd", "OpenOCD", 3333, 0x4000, true, true, false, false, false,
         {QStringLiteral("reset run")}, F::ErrorReply, ""},
        {"pyocd", "pyOCD", 3333, 0x800, true, false, true, false, false,
         {QStringLiteral("reset")}, F::ErrorInText, "Error:"},
        {"blackmagic", "Black Magic Probe", 0, 0x400, true, true, false, true, true,
         kNoCommands, F::ErrorInText, "Failed"},
        {"stutil", "st-util", 4242, 0x3fff, false, false, false, false, false,
         {QStringLiteral("reset")}, F::OutputOnly, ""},
        {"jlink", "J-Link GDB server", 2331, 0x1000, true, false, false, false, false,
         {QStringLiteral("reset"), QStringLiteral("go")}, F::OutputOnly, ""},
        {"qemu", "QEMU gdbstub", 1234, 0x1000, true, false, false, false, false,
         {QStringLiteral("system_reset")}, F::OutputOnly, ""},
    };
    // clang-format on
    return profiles;
}

const GdbServerProfile* FindGdbServer(const QString& strName) {
    for (const GdbServerProfile& profile : GdbServerProfiles()) {
        if (strName.compare(QLatin1String(profile.pName), Qt::CaseInsensitive) == 0) {
            return &profile;
        }
    }
    return nullptr;
}

QByteArray SupportedValue(const QByteArray& supported, const QByteArray& name) {
    for (const QByteArray& feature : supported.split(';')) {
        if (feature.startsWith(name + '=')) return feature.mid(name.size() + 1);
    }
    return QByteArray();
}

bool HasFeature(const QByteArray& supported, const QByteArray& name) {
    return supported.split(';').contains(name + '+');
}

const GdbServerProfile& DetectGdbServer(const QByteArray& supported, bool bSerial) {
    const auto& profiles = GdbServerProfiles();
    auto byName = [&](const char* pName) -> const GdbServerProfile& {
        return *FindGdbServer(QLatin1String(pName));
    };
    if (bSerial) return byName("blackmagic");
    const QByteArray size = SupportedValue(supported, "PacketSize").toLower();
    const bool bMap = HasFeature(supported, "qXfer:memory-map:read");
    if (size == "4000" && bMap) return byName("openocd");
    if (size == "800") return byName("pyocd");
    if (size == "3fff") return byName("stutil");
    if (size == "1000" && !bMap) return byName("qemu");
    return profiles.front();
}
