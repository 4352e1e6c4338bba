// Resources built into the executable: raw bytes found by type and ID, and
// the decoded forms the game holds (bitmaps and icons).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace platform {

using Bytes = std::span<const std::uint8_t>;

// The bytes built into the executable for (type, id), or nothing.
std::optional<Bytes> FindEmbeddedResource(std::string_view type, int id);

// A decoded bitmap: 24-bit colour, rows top to bottom. Copies share pixels.
class Bitmap {
public:
    Bitmap() = default;
    // Decodes an uncompressed 24-bit BMP file; an empty bitmap when the bytes
    // are not one.
    static Bitmap FromBmp(Bytes bytes);

    bool IsNull() const { return !m_data; }
    int Width() const { return m_data ? m_data->width : 0; }
    int Height() const { return m_data ? m_data->height : 0; }
    // RGB triplets, Width() * 3 bytes per row.
    const std::uint8_t* Pixels() const { return m_data ? m_data->rgb.data() : nullptr; }
    void DeleteObject() { m_data.reset(); }

    // A backend keeps its own converted copy of the pixels here.
    std::shared_ptr<void>& NativeCache() const { return m_data->native; }

private:
    struct Data {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> rgb;
        mutable std::shared_ptr<void> native;
    };
    std::shared_ptr<Data> m_data;
};

// One picture of a multi-image icon: 8-bit RGBA, rows top to bottom, with
// the see-through pixels of its mask at alpha 0.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;  // as stored: 8, 24 or 32
    std::vector<std::uint8_t> rgba;
};

// The pictures of an icon file (uncompressed 8, 24 and 32-bit entries).
// Entries that are damaged or of another kind are left out.
std::vector<IconImage> DecodeIcon(Bytes bytes);

// An icon resource: the file bytes of a multi-image icon, decoded by the
// backend that shows it. Copies share the bytes.
class Icon {
public:
    Icon() = default;
    Icon(int id, Bytes bytes) : m_id(id), m_bytes(bytes) {}
    bool IsNull() const { return m_bytes.empty(); }
    int Id() const { return m_id; }
    Bytes Data() const { return m_bytes; }
    friend bool operator==(const Icon& a, const Icon& b) {
        return a.m_id == b.m_id && a.m_bytes.data() == b.m_bytes.data();
    }

private:
    int m_id = 0;
    Bytes m_bytes;
};

}  // namespace platform
