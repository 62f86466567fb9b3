// Splits a form description (UTF-8) into tokens, each with the line it starts on. Quoted parts
// and #character codes that touch each other make one string token; a {...} block makes one
// binary token. Bad characters, numbers, strings and blocks raise ParseError.
#pragma once

#include "ui/form_text_tree.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace form_text {

enum class TokenKind { End, Identifier, Integer, Float, String, Binary, Symbol };

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t line = 1;
    std::string text; // identifier name, or the symbol's one character
    std::int64_t integer = 0;
    double real = 0;
    std::u16string string;
    std::vector<std::uint8_t> bytes;
};

class Lexer {
public:
    explicit Lexer(std::string_view source);
    // The next token; End, again and again, once the text is used up.
    Token Next();

private:
    char Peek(std::size_t ahead = 0) const;
    void SkipSpace();
    void LexIdentifier(Token& token);
    void LexNumber(Token& token);
    void LexString(Token& token);
    void LexBinary(Token& token);
    char32_t LexCharacterCode();
    [[noreturn]] void Fail(const std::string& message) const;

    std::string_view source_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

// A short, printable description of a byte for messages: 'x' or byte 0xE4.
std::string DescribeByte(char c);

} // namespace form_text
