#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "firmware/formats/ImageReader.h"

// Where the data of an image came from: runs of bytes at addresses, gathered in file order
// and placed once after a sort, so records may come in any order.
struct ImageChunk {
    std::uint64_t qwAddress = 0;  // 64 bits, so that data past 4 GiB is seen, not wrapped
    std::size_t nSource = 0;      // offset of the bytes in the source buffer
    std::size_t nLength = 0;
};

inline constexpr std::uint64_t IMAGE_ADDRESS_LIMIT = 0x100000000ULL;
inline constexpr std::uint64_t IMAGE_SPAN_LIMIT = 16u << 20;

class CImageChunks {
public:
    // Adds nLength bytes at nSource for qwAddress; a run that continues the last one both in
    // the address space and in the source grows it instead.
    void Add(std::uint64_t qwAddress, std::size_t nSource, std::size_t nLength);
    bool IsEmpty() const { return m_chunks.empty(); }

    // Sorts the runs and joins those that touch or overlap into segments. Refuses bytes that
    // two runs put differently at one address, and data spread over more than 16 MiB.
    bool Place(const std::uint8_t* pSource, std::vector<ImageSegment>& segments, QString& strError);

private:
    std::vector<ImageChunk> m_chunks;
};

// "0x%08X" of an address, the form every reader message uses.
QString AddressText(std::uint64_t qwAddress);
