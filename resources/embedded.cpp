// The data files of this folder, built into the executable. The assembler
// copies each file's bytes between a begin and an end symbol.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/resources.h"

#ifndef TAVOLK_RESOURCE_DIR
#error "TAVOLK_RESOURCE_DIR must name the resources folder"
#endif

#define TAVOLK_EMBED(sym, file)                   \
    asm(".section .rodata\n"                      \
        ".balign 16\n"                            \
        ".global " #sym "_begin\n" #sym           \
        "_begin:\n"                               \
        ".incbin \"" TAVOLK_RESOURCE_DIR "/" file \
        "\"\n"                                    \
        ".global " #sym "_end\n" #sym             \
        "_end:\n"                                 \
        ".byte 0\n"                               \
        ".previous\n");                           \
    extern "C" const std::uint8_t sym##_begin[];  \
    extern "C" const std::uint8_t sym##_end[];

TAVOLK_EMBED(tavolk_words3, "words/words3.dat")
TAVOLK_EMBED(tavolk_words4, "words/words4.dat")
TAVOLK_EMBED(tavolk_words5, "words/words5.dat")
TAVOLK_EMBED(tavolk_words6, "words/words6.dat")
TAVOLK_EMBED(tavolk_letters, "letters.bmp")
TAVOLK_EMBED(tavolk_icon, "tavolk.ico")

namespace platform {

namespace {

struct Embedded {
    std::string_view type;
    int id;
    const std::uint8_t* begin;
    const std::uint8_t* end;
};

const std::array kEmbedded{
    Embedded{"ICON", 128, tavolk_icon_begin, tavolk_icon_end},
    Embedded{"BITMAP", 129, tavolk_letters_begin, tavolk_letters_end},
    Embedded{"WORDS", 135, tavolk_words3_begin, tavolk_words3_end},
    Embedded{"WORDS", 136, tavolk_words4_begin, tavolk_words4_end},
    Embedded{"WORDS", 137, tavolk_words5_begin, tavolk_words5_end},
    Embedded{"WORDS", 138, tavolk_words6_begin, tavolk_words6_end},
};

}  // namespace

std::optional<Bytes> FindEmbeddedResource(std::string_view type, int id) {
    for (const auto& e : kEmbedded) {
        if (e.type == type && e.id == id)
            return Bytes(e.begin, static_cast<std::size_t>(e.end - e.begin));
    }
    return std::nullopt;
}

}  // namespace platform
