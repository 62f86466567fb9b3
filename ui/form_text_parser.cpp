// Recursive descent over the lexer's tokens with one token of look-ahead. Recursion is bounded
// by kMaxNesting, so hostile text cannot exhaust the stack.
#include "ui/form_text_parser.h"

#include "ui/form_text_lexer.h"

#include <algorithm>
#include <utility>

namespace form_text {

namespace {

bool IsKeyword(const Token& token, std::string_view keyword) {
    return token.kind == TokenKind::Identifier &&
           std::ranges::equal(token.text, keyword, [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

bool IsSymbol(const Token& token, char symbol) {
    return token.kind == TokenKind::Symbol && token.text[0] == symbol;
}

std::string Quote(std::string_view name) {
    constexpr std::size_t kShown = 40;
    std::string quoted(1, '\'');
    quoted.append(name.substr(0, kShown));
    if (name.size() > kShown) quoted += "...";
    quoted += '\'';
    return quoted;
}

std::string Describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::End:
        return "end of text";
    case TokenKind::Identifier:
        return Quote(token.text);
    case TokenKind::Integer:
    case TokenKind::Float:
        return "a number";
    case TokenKind::String:
        return "a string";
    case TokenKind::Binary:
        return "binary data";
    case TokenKind::Symbol:
        break;
    }
    return Quote(token.text);
}

class Parser {
public:
    explicit Parser(std::string_view text) : lexer_(text) { Advance(); }

    Object ParseDescription() {
        if (!IsHeader()) Expected("'object'");
        Object root = ParseObject();
        if (token_.kind != TokenKind::End) Expected("end of text after the last 'end'");
        return root;
    }

private:
    // Counts one level of nesting for as long as it lives.
    class Nesting {
    public:
        explicit Nesting(Parser& parser) : parser_(parser) {
            if (++parser_.depth_ > kMaxNesting)
                throw ParseError(parser_.token_.line,
                                 "nesting deeper than " + std::to_string(kMaxNesting) + " levels");
        }
        ~Nesting() { --parser_.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        Parser& parser_;
    };

    void Advance() { token_ = lexer_.Next(); }

    [[noreturn]] void Expected(const std::string& what) const {
        throw ParseError(token_.line, "expected " + what + ", found " + Describe(token_));
    }

    bool IsHeader() const {
        return IsKeyword(token_, "object") || IsKeyword(token_, "inherited") ||
               IsKeyword(token_, "inline");
    }

    // The header sits on one line, so a missing class name is not taken from the next line.
    std::string HeaderPart(std::size_t line, const std::string& what) {
        if (token_.kind != TokenKind::Identifier || token_.line != line) {
            throw ParseError(line, "expected " + what + " in the object header");
        }
        std::string text = std::move(token_.text);
        Advance();
        return text;
    }

    Object ParseObject() {
        Nesting nesting(*this);
        Object object;
        object.line = token_.line;
        object.header = IsKeyword(token_, "object")      ? Header::Object
                        : IsKeyword(token_, "inherited") ? Header::Inherited
                                                         : Header::Inline;
        Advance();
        object.name = HeaderPart(object.line, "a name");
        if (!IsSymbol(token_, ':') || token_.line != object.line) {
            throw ParseError(object.line, "expected ':' and a class name after " +
                                              Quote(object.name) + " in the object header");
        }
        Advance();
        object.class_name = HeaderPart(object.line, "a class name after ':'");
        for (;;) {
            if (IsKeyword(token_, "end")) {
                Advance();
                return object;
            }
            if (IsHeader()) {
                object.children.push_back(ParseObject());
            } else if (token_.kind == TokenKind::Identifier) {
                object.properties.push_back(ParseProperty());
            } else if (token_.kind == TokenKind::End) {
                Expected("'end' of " + Quote(object.name) + " (line " +
                         std::to_string(object.line) + ")");
            } else {
                Expected("a property, 'object' or 'end'");
            }
        }
    }

    // Name(.Name)*, after the first identifier was seen.
    std::string DottedName() {
        std::string name = std::move(token_.text);
        Advance();
        while (IsSymbol(token_, '.')) {
            Advance();
            if (token_.kind != TokenKind::Identifier) Expected("a name after '.'");
            name += '.';
            name += token_.text;
            Advance();
        }
        return name;
    }

    Property ParseProperty() {
        Property property;
        property.line = token_.line;
        property.name = DottedName();
        if (!IsSymbol(token_, '=')) Expected("'=' after " + Quote(property.name));
        Advance();
        property.value = ParseValue();
        return property;
    }

    // A value read whole from the current token.
    template <class T> Value Take(T data) {
        Advance();
        return Value{std::move(data)};
    }

    Value ParseValue() {
        switch (token_.kind) {
        case TokenKind::Integer:
            return Take(token_.integer);
        case TokenKind::Float:
            return Take(token_.real);
        case TokenKind::Binary:
            return Take(Binary{std::move(token_.bytes)});
        case TokenKind::String:
            return Value{ParseString()};
        case TokenKind::Identifier:
            // A keyword here means the value was left out (`Left =` before `end`).
            if (IsHeader() || IsKeyword(token_, "end")) break;
            return Value{Identifier{DottedName()}};
        case TokenKind::Symbol:
            if (IsSymbol(token_, '(')) return Value{ParseList()};
            if (IsSymbol(token_, '[')) return Value{ParseSet()};
            if (IsSymbol(token_, '<')) return Value{ParseCollection()};
            break;
        case TokenKind::End:
            break;
        }
        Expected("a value");
    }

    // 'a'#13#10 + 'b': parts joined by '+' across lines.
    std::u16string ParseString() {
        std::u16string text = std::move(token_.string);
        Advance();
        while (IsSymbol(token_, '+')) {
            Advance();
            if (token_.kind != TokenKind::String) Expected("a string after '+'");
            text += token_.string;
            Advance();
        }
        return text;
    }

    List ParseList() {
        Nesting nesting(*this);
        List list;
        Advance();
        while (!IsSymbol(token_, ')')) {
            if (token_.kind == TokenKind::End) Expected("')'");
            list.items.push_back(ParseValue());
        }
        Advance();
        return list;
    }

    Set ParseSet() {
        Set set;
        Advance();
        if (IsSymbol(token_, ']')) {
            Advance();
            return set;
        }
        for (;;) {
            if (token_.kind != TokenKind::Identifier) Expected("a set member");
            set.members.push_back(std::move(token_.text));
            Advance();
            if (IsSymbol(token_, ']')) break;
            if (!IsSymbol(token_, ',')) Expected("',' or ']'");
            Advance();
        }
        Advance();
        return set;
    }

    Collection ParseCollection() {
        Nesting nesting(*this);
        Collection collection;
        Advance();
        while (!IsSymbol(token_, '>')) {
            if (!IsKeyword(token_, "item")) Expected("'item' or '>'");
            CollectionItem item;
            item.line = token_.line;
            Advance();
            while (!IsKeyword(token_, "end")) {
                if (token_.kind != TokenKind::Identifier) Expected("a property or 'end' of item");
                item.properties.push_back(ParseProperty());
            }
            Advance();
            collection.items.push_back(std::move(item));
        }
        Advance();
        return collection;
    }

    Lexer lexer_;
    Token token_;
    std::size_t depth_ = 0;
};

} // namespace

Object Parse(std::string_view text) {
    return Parser(text).ParseDescription();
}

} // namespace form_text
