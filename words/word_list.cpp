#include "platform/app.h"
#include "window/tavolk_dlg.h"

// The text of word list `index`: one UTF-16 unit per stored byte. A list that
// is missing or empty gives an empty text, and every string of its length is
// then a non-word.
std::u16string CTavolkDlg::LoadWordList(int index) const {
    const auto bytes = platform::FindResource("WORDS", IDR_WORDS_FIRST + index);
    if (!bytes || bytes->empty())
        return {};
    return std::u16string(bytes->begin(), bytes->end());
}

std::u16string CTavolkDlg::WordAt(int index, int i) const {
    if (index < 0 || index >= kWordLists || i < 0)
        return {};
    const std::size_t length = static_cast<std::size_t>(index + kShortestWord);
    const std::size_t start = static_cast<std::size_t>(i) * length;
    const std::u16string& text = m_strWords[index];
    if (start >= text.size())
        return {};
    return text.substr(start, length);
}

// A plain scan of the list of the text's length, word by word.
bool CTavolkDlg::IsWord(std::u16string_view text) const {
    const std::size_t length = text.size();
    if (length < kShortestWord || length >= kShortestWord + kWordLists)
        return false;
    const int index = static_cast<int>(length) - kShortestWord;
    const std::int32_t limit = m_nWordChars[index];
    if (limit <= 0)
        return false;
    const std::u16string_view words = m_strWords[index];
    for (std::size_t s = 0; s < static_cast<std::size_t>(limit); s += length) {
        // Past the end of the loaded text every word taken is empty or short.
        if (s + length > words.size())
            break;
        if (words.compare(s, length, text) == 0)
            return true;
    }
    return false;
}
