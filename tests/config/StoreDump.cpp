#include "tests/config/StoreDump.h"

#include "config/MHash.h"

namespace {
QString Quoted(QString strText) {
    strText.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    strText.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + strText + QLatin1Char('"');
}
}  // namespace

QString DumpStore(const MHash& store) {
    QString strOut;
    for (int i = 0; i < store.Count(); ++i) {
        const MHashSection& section = *store.SlotAt(i).section;
        strOut +=
            QStringLiteral("section %1 (%2)\n").arg(Quoted(section.m_strName)).arg(section.Count());
        for (int j = 0; j < section.Count(); ++j) {
            const MHashItem& item = section.ItemAt(j);
            strOut += QStringLiteral("  %1 = %2\n").arg(Quoted(item.key), Quoted(item.value));
        }
    }
    return strOut;
}
