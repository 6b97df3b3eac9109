#include "firmware/probe/MemoryMap.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>

#include "firmware/formats/ImageChunks.h"

namespace {

bool ParseNumber(QStringView text, std::uint64_t& qwValue) {
    bool bOk = false;
    const QString strText = text.trimmed().toString();
    qwValue = strText.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                  ? strText.mid(2).toULongLong(&bOk, 16)
                  : strText.toULongLong(&bOk, 10);
    return bOk;
}

bool ReadRegion(QXmlStreamReader& xml, MemoryRegion& region, QString& strError) {
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = attributes.value(QLatin1String("type"));
    region.kind = type == QLatin1String("flash") ? MemoryRegion::Kind::Flash
                  : type == QLatin1String("rom") ? MemoryRegion::Kind::Rom
                                                 : MemoryRegion::Kind::Ram;
    if (!ParseNumber(attributes.value(QLatin1String("start")), region.qwStart) ||
        !ParseNumber(attributes.value(QLatin1String("length")), region.qwLength)) {
        strError = QStringLiteral("内存映射的区域缺少起始地址或长度");
        return false;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("property") &&
            xml.attributes().value(QLatin1String("name")) == QLatin1String("blocksize")) {
            if (!ParseNumber(xml.readElementText(), region.qwBlockSize)) {
                strError = QStringLiteral("内存映射的块大小不是数字");
                return false;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (region.kind == MemoryRegion::Kind::Flash && region.qwBlockSize == 0) {
        strError = QStringLiteral("内存映射的 flash 区域没有块大小");
        return false;
    }
    return true;
}

}  // namespace

const MemoryRegion* MemoryMap::FlashAt(std::uint64_t qwAddress) const {
    for (const MemoryRegion& region : regions) {
        if (region.kind == MemoryRegion::Kind::Flash && qwAddress >= region.qwStart &&
            qwAddress < region.End()) {
            return &region;
        }
    }
    return nullptr;
}

bool MemoryMap::IsFlash(std::uint64_t qwStart, std::uint64_t qwLength) const {
    std::uint64_t qwAt = qwStart;
    const std::uint64_t qwEnd = qwStart + qwLength;
    while (qwAt < qwEnd) {
        const MemoryRegion* pRegion = FlashAt(qwAt);
        if (!pRegion) return false;
        qwAt = pRegion->End();
    }
    return true;
}

std::uint64_t MemoryMap::FlashEndFrom(std::uint64_t qwAddress) const {
    std::uint64_t qwAt = qwAddress;
    while (const MemoryRegion* pRegion = FlashAt(qwAt)) qwAt = pRegion->End();
    return qwAt;
}

std::vector<FlashBlock> MemoryMap::BlocksCovering(std::uint64_t qwStart,
                                                  std::uint64_t qwLength) const {
    std::vector<FlashBlock> blocks;
    std::uint64_t qwAt = qwStart;
    const std::uint64_t qwEnd = qwStart + qwLength;
    while (qwAt < qwEnd) {
        const MemoryRegion* pRegion = FlashAt(qwAt);
        if (!pRegion) break;
        const std::uint64_t qwIndex = (qwAt - pRegion->qwStart) / pRegion->qwBlockSize;
        FlashBlock block{pRegion->qwStart + qwIndex * pRegion->qwBlockSize, pRegion->qwBlockSize};
        block.qwLength = std::min(block.qwLength, pRegion->End() - block.qwStart);
        blocks.push_back(block);
        qwAt = block.End();
    }
    return blocks;
}

bool ParseMemoryMap(const QByteArray& xmlText, MemoryMap& map, QString& strError) {
    map.regions.clear();
    QXmlStreamReader xml(xmlText);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("memory-map")) {
        strError = QStringLiteral("不是内存映射");
        return false;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("memory")) {
            xml.skipCurrentElement();
            continue;
        }
        MemoryRegion region;
        if (!ReadRegion(xml, region, strError)) return false;
        map.regions.push_back(region);
    }
    if (xml.hasError()) {
        strError = QStringLiteral("内存映射无法解析: ") + xml.errorString();
        return false;
    }
    std::sort(map.regions.begin(), map.regions.end(),
              [](const MemoryRegion& a, const MemoryRegion& b) { return a.qwStart < b.qwStart; });
    for (std::size_t i = 1; i < map.regions.size(); ++i) {
        if (map.regions[i].qwStart < map.regions[i - 1].End()) {
            strError = QStringLiteral("内存映射的区域重叠");
            return false;
        }
    }
    return true;
}

QString DescribeMemoryMap(const MemoryMap& map) {
    QStringList parts;
    for (const MemoryRegion& region : map.regions) {
        const char* pKind = region.kind == MemoryRegion::Kind::Flash ? "flash"
                            : region.kind == MemoryRegion::Kind::Rom ? "rom"
                                                                     : "ram";
        QString strPart = QStringLiteral("%1 %2-%3")
                              .arg(QLatin1String(pKind), AddressText(region.qwStart),
                                   AddressText(region.End() - 1));
        if (region.qwBlockSize) {
            strPart += QStringLiteral(" (blocks 0x%1)").arg(region.qwBlockSize, 0, 16);
        }
        parts.append(strPart);
    }
    return parts.join(QLatin1String("; "));
}
