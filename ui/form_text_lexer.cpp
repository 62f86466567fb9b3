// Tokens of a form description. Every loop advances through the text, so any input ends.
#include "ui/form_text_lexer.h"

#include "ui/form_text_utf8.h"

#include <array>
#include <charconv>
#include <limits>

namespace form_text {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsIdentifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentifierChar(char c) {
    return IsIdentifierStart(c) || IsDigit(c);
}

// The value of each hex digit, -1 for every other byte.
constexpr std::array<std::int8_t, 256> kHexDigits = [] {
    std::array<std::int8_t, 256> digits{};
    digits.fill(-1);
    for (int c = 0; c < 10; ++c)
        digits['0' + c] = static_cast<std::int8_t>(c);
    for (int c = 0; c < 6; ++c)
        digits['A' + c] = digits['a' + c] = static_cast<std::int8_t>(10 + c);
    return digits;
}();

int HexValue(char c) {
    return kHexDigits[static_cast<unsigned char>(c)];
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

constexpr std::string_view kSymbols = "=:()[],<>+.";
constexpr char32_t kMaxCode = 0x10FFFF;

} // namespace

std::string DescribeByte(char c) {
    if (c > ' ' && c < 0x7F) return {'\'', c, '\''};
    constexpr char digits[] = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(c);
    std::string text = "byte 0x";
    text += digits[b >> 4];
    text += digits[b & 15];
    return text;
}

Lexer::Lexer(std::string_view source) : source_(source) {
    if (source_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

char Lexer::Peek(std::size_t ahead) const {
    return pos_ + ahead < source_.size() ? source_[pos_ + ahead] : '\0';
}

void Lexer::Fail(const std::string& message) const {
    throw ParseError(line_, message);
}

void Lexer::SkipSpace() {
    while (pos_ < source_.size() && IsSpace(source_[pos_])) {
        const char c = source_[pos_++];
        // \r\n, \n and a lone \r each end one line.
        if (c == '\n' || (c == '\r' && Peek() != '\n')) ++line_;
    }
}

Token Lexer::Next() {
    SkipSpace();
    Token token;
    token.line = line_;
    if (pos_ >= source_.size()) return token;
    const char c = source_[pos_];
    if (IsIdentifierStart(c)) {
        LexIdentifier(token);
    } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
        LexNumber(token);
    } else if (c == '\'' || c == '#') {
        LexString(token);
    } else if (c == '{') {
        LexBinary(token);
    } else if (kSymbols.find(c) != std::string_view::npos) {
        token.kind = TokenKind::Symbol;
        token.text = std::string(1, c);
        ++pos_;
    } else {
        Fail("unexpected character " + DescribeByte(c));
    }
    return token;
}

void Lexer::LexIdentifier(Token& token) {
    const std::size_t start = pos_;
    while (IsIdentifierChar(Peek()))
        ++pos_;
    token.kind = TokenKind::Identifier;
    token.text = std::string(source_.substr(start, pos_ - start));
}

void Lexer::LexNumber(Token& token) {
    const std::size_t start = pos_;
    const bool negative = Peek() == '-';
    if (negative) ++pos_;
    if (Peek() == '$') {
        ++pos_;
        std::uint64_t magnitude = 0;
        std::size_t digits = 0;
        for (int v; (v = HexValue(Peek())) >= 0; ++pos_, ++digits) {
            if (magnitude > (std::numeric_limits<std::uint64_t>::max() >> 4))
                Fail("number out of range");
            magnitude = magnitude << 4 | static_cast<std::uint64_t>(v);
        }
        if (digits == 0 || IsIdentifierChar(Peek())) Fail("malformed hexadecimal number");
        // $8000000000000000 and above only fit as -$8000000000000000.
        const std::uint64_t limit =
            static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + negative;
        if (magnitude > limit) Fail("number out of range");
        token.kind = TokenKind::Integer;
        token.integer = negative ? static_cast<std::int64_t>(0 - magnitude)
                                 : static_cast<std::int64_t>(magnitude);
        return;
    }
    while (IsDigit(Peek()))
        ++pos_;
    bool is_float = false;
    if (Peek() == '.' && IsDigit(Peek(1))) {
        is_float = true;
        ++pos_;
        while (IsDigit(Peek()))
            ++pos_;
    }
    if (Peek() == 'e' || Peek() == 'E') {
        is_float = true;
        ++pos_;
        if (Peek() == '+' || Peek() == '-') ++pos_;
        if (!IsDigit(Peek())) Fail("malformed number");
        while (IsDigit(Peek()))
            ++pos_;
    }
    if (IsIdentifierChar(Peek()) || Peek() == '.') Fail("malformed number");
    const char* first = source_.data() + start;
    const char* last = source_.data() + pos_;
    std::from_chars_result result;
    if (is_float) {
        token.kind = TokenKind::Float;
        result = std::from_chars(first, last, token.real);
    } else {
        token.kind = TokenKind::Integer;
        result = std::from_chars(first, last, token.integer);
    }
    if (result.ec != std::errc() || result.ptr != last) Fail("number out of range");
}

void Lexer::LexString(Token& token) {
    token.kind = TokenKind::String;
    for (;;) {
        if (Peek() == '\'') {
            ++pos_;
            std::string part;
            for (;;) {
                if (pos_ >= source_.size() || Peek() == '\r' || Peek() == '\n')
                    Fail("unterminated string");
                const char c = source_[pos_++];
                if (c != '\'') {
                    part.push_back(c);
                } else if (Peek() == '\'') {
                    part.push_back('\'');
                    ++pos_;
                } else {
                    break;
                }
            }
            if (!AppendUtf8(part, token.string)) Fail("invalid UTF-8 in string");
        } else if (Peek() == '#') {
            ++pos_;
            AppendCodePoint(LexCharacterCode(), token.string);
        } else {
            return;
        }
    }
}

char32_t Lexer::LexCharacterCode() {
    const bool hex = Peek() == '$';
    if (hex) ++pos_;
    const unsigned base = hex ? 16 : 10;
    char32_t code = 0;
    std::size_t digits = 0;
    for (int v; (v = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1)) >= 0;
         ++pos_, ++digits) {
        code = code * base + static_cast<char32_t>(v);
        if (code > kMaxCode) Fail("character code out of range");
    }
    if (digits == 0) Fail("expected a character code after '#'");
    return code;
}

void Lexer::LexBinary(Token& token) {
    const std::size_t open_line = line_;
    ++pos_;
    token.kind = TokenKind::Binary;
    // Two digits to a byte: at most half the text up to the closing brace.
    if (const std::size_t close = source_.find('}', pos_); close != std::string_view::npos)
        token.bytes.reserve((close - pos_) / 2);
    int high = -1;
    for (;;) {
        SkipSpace();
        // The digits up to the next space, the brace or anything else.
        std::size_t at = pos_;
        for (int v; at < source_.size() && (v = HexValue(source_[at])) >= 0; ++at) {
            if (high < 0) {
                high = v;
            } else {
                token.bytes.push_back(static_cast<std::uint8_t>(high << 4 | v));
                high = -1;
            }
        }
        pos_ = at;
        if (pos_ >= source_.size())
            throw ParseError(open_line, "unterminated binary data: expected '}'");
        const char c = source_[pos_];
        if (c == '}') {
            ++pos_;
            break;
        }
        if (!IsSpace(c)) Fail("bad hex digit " + DescribeByte(c) + " in binary data");
    }
    if (high >= 0) throw ParseError(open_line, "odd number of hex digits in binary data");
}

} // namespace form_text
