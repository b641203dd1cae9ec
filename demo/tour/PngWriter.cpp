#include "PngWriter.h"

#include <cstdint>
#include <vector>

namespace {

// PNG limits a side to 2^31 - 1; a screen shot never comes near this bound,
// which keeps the row buffer well inside 32-bit sizes.
const int kMaxSide = 16384;
const size_t kStoredBlock = 65535;

uint32_t n_Crc(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t n_Adler(const std::vector<uint8_t>& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void v_PutBig32(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void v_PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    v_PutBig32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    v_PutBig32(out, n_Crc(out.data() + start, out.size() - start));
}

// The rows as the PNG's raw image data: filter type 0, then R, G, B.
std::vector<uint8_t> co_RawRows(int width, int height, const DWORD* pixels)
{
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const DWORD* row = pixels + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            raw.push_back(static_cast<uint8_t>(row[x] >> 16));
            raw.push_back(static_cast<uint8_t>(row[x] >> 8));
            raw.push_back(static_cast<uint8_t>(row[x]));
        }
    }
    return raw;
}

// A zlib stream of stored blocks: no compression, 64 KiB - 1 at most each.
std::vector<uint8_t> co_ZlibStored(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t length = raw.size() - offset < kStoredBlock ? raw.size() - offset : kStoredBlock;
        const bool last = offset + length == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(length));
        z.push_back(static_cast<uint8_t>(length >> 8));
        z.push_back(static_cast<uint8_t>(~length));
        z.push_back(static_cast<uint8_t>(~length >> 8));
        z.insert(z.end(), raw.begin() + offset, raw.begin() + offset + length);
        offset += length;
    } while (offset < raw.size());
    v_PutBig32(z, n_Adler(raw));
    return z;
}

std::vector<uint8_t> co_Header(int width, int height)
{
    std::vector<uint8_t> header;
    v_PutBig32(header, static_cast<uint32_t>(width));
    v_PutBig32(header, static_cast<uint32_t>(height));
    header.push_back(8);   // bits per sample
    header.push_back(2);   // truecolour
    header.push_back(0);   // deflate
    header.push_back(0);   // adaptive filtering
    header.push_back(0);   // not interlaced
    return header;
}

BOOL b_WriteFile(const wchar_t* path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written = 0;
    const BOOL complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    CloseHandle(file);
    if (!complete)
        DeleteFileW(path);
    return complete;
}

} // namespace

BOOL b_WritePng(const wchar_t* path, int width, int height, const DWORD* pixels)
{
    if (!path || !pixels || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return FALSE;
    static const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> file(signature, signature + sizeof signature);
    v_PutChunk(file, "IHDR", co_Header(width, height));
    v_PutChunk(file, "IDAT", co_ZlibStored(co_RawRows(width, height, pixels)));
    v_PutChunk(file, "IEND", {});
    return b_WriteFile(path, file);
}
