#include "components/StatementParser.h"

#include <cctype>
#include <charconv>

#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

enum class TokenKind { Word, Number, Text, Symbol, LineEnd, End };

struct Token {
    TokenKind kind;
    std::string text;
    size_t line;  // 1-based line of the text where the token starts
};

[[noreturn]] void Malformed(size_t line, const std::string& what) {
    throw RuntimeError("Malformed statement at line " + std::to_string(line) + ": " + what + ".");
}

bool IsWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsWordPart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    size_t line = 1;
    int depth = 0;  // line breaks inside brackets do not end a statement
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            i += crlf ? 2 : 1;
            if (depth == 0 && (tokens.empty() || tokens.back().kind != TokenKind::LineEnd)) {
                tokens.push_back({TokenKind::LineEnd, "", line});
            }
            ++line;
        } else if (c == ' ' || c == '\t') {
            ++i;
        } else if (IsWordStart(c)) {
            const size_t start = i;
            while (i < text.size() && IsWordPart(text[i])) {
                ++i;
            }
            tokens.push_back({TokenKind::Word, std::string(text.substr(start, i - start)), line});
        } else if (IsDigit(c) || (c == '-' && i + 1 < text.size() && IsDigit(text[i + 1]))) {
            const size_t start = i++;
            while (i < text.size() && IsDigit(text[i])) {
                ++i;
            }
            tokens.push_back({TokenKind::Number, std::string(text.substr(start, i - start)), line});
        } else if (c == '\'' || c == '"') {
            const size_t startLine = line;
            std::string value;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    Malformed(startLine, "a quoted text is not closed");
                }
                if (text[i] == c) {
                    if (i + 1 < text.size() && text[i + 1] == c) {  // doubled quote
                        value += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                line += text[i] == '\n' ? 1 : 0;
                value += text[i++];
            }
            tokens.push_back({TokenKind::Text, value, startLine});
        } else if (std::string_view("()[],;=&*").find(c) != std::string_view::npos) {
            depth += (c == '(' || c == '[') ? 1 : 0;
            depth -= (c == ')' || c == ']') && depth > 0 ? 1 : 0;
            tokens.push_back({TokenKind::Symbol, std::string(1, c), line});
            ++i;
        } else {
            Malformed(line, "unexpected character '" + std::string(1, c) + "'");
        }
    }
    tokens.push_back({TokenKind::End, "", line});
    return tokens;
}

std::string Describe(const Token& token) {
    switch (token.kind) {
        case TokenKind::LineEnd:
            return "the end of the line";
        case TokenKind::End:
            return "the end of the text";
        case TokenKind::Text:
            return "'" + token.text + "'";
        default:
            return "\"" + token.text + "\"";
    }
}

class Parser {
  public:
    explicit Parser(std::vector<Token> tokens) : mTokens(std::move(tokens)) {}

    std::vector<Statement> ParseAll() {
        std::vector<Statement> statements;
        for (;;) {
            while (IsSymbol(";") || Peek().kind == TokenKind::LineEnd) {
                ++mPos;
            }
            if (Peek().kind == TokenKind::End) {
                return statements;
            }
            statements.push_back(ParseStatement());
            if (IsSymbol(";")) {
                ++mPos;
            }
            if (Peek().kind != TokenKind::LineEnd && Peek().kind != TokenKind::End) {
                Unexpected("the end of the statement");
            }
        }
    }

  private:
    const Token& Peek() const { return mTokens[mPos]; }
    const Token& Next() {
        const Token& token = mTokens[mPos];
        if (token.kind != TokenKind::End) {
            ++mPos;
        }
        return token;
    }
    bool IsSymbol(std::string_view symbol) const {
        return Peek().kind == TokenKind::Symbol && Peek().text == symbol;
    }
    bool IsWord(std::string_view word) const {
        return Peek().kind == TokenKind::Word && EqualsIgnoreCase(Peek().text, word);
    }
    [[noreturn]] void Unexpected(const std::string& expected) const {
        Malformed(Peek().line, "expected " + expected + " but found " + Describe(Peek()));
    }
    void ExpectSymbol(std::string_view symbol) {
        if (!IsSymbol(symbol)) {
            Unexpected("\"" + std::string(symbol) + "\"");
        }
        ++mPos;
    }
    void ExpectWord(std::string_view word) {
        if (!IsWord(word)) {
            Unexpected("\"" + std::string(word) + "\"");
        }
        ++mPos;
    }
    std::string Name(const std::string& what) {
        if (Peek().kind != TokenKind::Word) {
            Unexpected(what);
        }
        return Next().text;
    }
    int Number(const std::string& what, int low, int high) {
        int value = 0;
        const auto& text = Peek().text;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (Peek().kind != TokenKind::Number || error != std::errc() ||
            end != text.data() + text.size() || value < low || value > high) {
            Unexpected(what);
        }
        ++mPos;
        return value;
    }
    template <typename Item, typename ParseItem>
    std::vector<Item> CommaList(ParseItem parseItem) {
        std::vector<Item> items{parseItem()};
        while (IsSymbol(",")) {
            ++mPos;
            items.push_back(parseItem());
        }
        return items;
    }

    Statement ParseStatement() {
        if (IsWord("create")) {
            return ParseCreate();
        }
        if (IsWord("insert")) {
            return ParseInsert();
        }
        if (IsWord("select")) {
            return ParseSelect();
        }
        Unexpected("Create, Insert or Select");
    }

    CreateTableStatement ParseCreate() {
        ExpectWord("create");
        ExpectWord("table");
        CreateTableStatement create;
        create.definition.name = Name("a table name");
        if (IsSymbol("[")) {
            ++mPos;
            ParseOptions(create.definition.format);
            ExpectSymbol("]");
        }
        ExpectSymbol("(");
        create.definition.fields =
            CommaList<FieldDefinition>([this] { return ParseFieldDefinition(); });
        ExpectSymbol(")");
        for (size_t i = 0; i < create.definition.fields.size(); ++i) {
            const auto& name = create.definition.fields[i].name;
            if (create.definition.FieldIndex(name) != i) {
                Malformed(Peek().line, "the field '" + name + "' is named twice");
            }
        }
        return create;
    }

    FieldDefinition ParseFieldDefinition() {
        FieldDefinition field;
        field.name = Name("a field name");
        if (IsWord("integer")) {
            ++mPos;
            field.type = FieldType::Integer;
        } else if (IsWord("string")) {
            ++mPos;
            if (IsSymbol("(")) {
                ++mPos;
                field.maxLength = static_cast<size_t>(Number("a length from 1", 1, 1 << 30));
                ExpectSymbol(")");
            }
        } else {
            Unexpected("the type Integer or String");
        }
        return field;
    }

    void ParseOptions(TableFormat& format) {
        const size_t line = Peek().line;
        for (;;) {
            ParseOption(format, line);
            if (!IsSymbol(",")) {
                break;
            }
            ++mPos;
        }
        if (EqualsIgnoreCase(format.extension, "def")) {
            Malformed(line, "the extension \"def\" is kept for table definitions");
        }
        if (format.recordDelimiter.empty() || format.fieldDelimiter.empty() ||
            format.recordDelimiter == format.fieldDelimiter) {
            Malformed(line, "the record and field delimiters must be given and differ");
        }
    }

    // "Delimited", an extension alone, or Name=value.
    void ParseOption(TableFormat& format, size_t line) {
        const std::string option = Name("a table option");
        if (!IsSymbol("=")) {
            if (!EqualsIgnoreCase(option, "delimited")) {
                format.extension = option;
            }
            return;
        }
        ++mPos;
        if (EqualsIgnoreCase(option, "extension")) {
            format.extension = Name("an extension");
        } else if (EqualsIgnoreCase(option, "recorddelimiter")) {
            format.recordDelimiter = Characters();
        } else if (EqualsIgnoreCase(option, "fielddelimiter")) {
            format.fieldDelimiter = Characters();
        } else if (EqualsIgnoreCase(option, "textqualifier")) {
            format.textQualifier = Characters();
        } else {
            Malformed(line, "unknown table option '" + option + "'");
        }
    }

    // chr$(n) and quoted texts joined with &.
    std::string Characters() {
        std::string characters;
        for (;;) {
            if (Peek().kind == TokenKind::Text) {
                characters += Next().text;
            } else if (IsWord("chr$") || IsWord("chr")) {
                ++mPos;
                ExpectSymbol("(");
                characters += static_cast<char>(Number("a character code from 0 to 255", 0, 255));
                ExpectSymbol(")");
            } else {
                Unexpected("chr$(n) or a quoted text");
            }
            if (!IsSymbol("&")) {
                return characters;
            }
            ++mPos;
        }
    }

    InsertStatement ParseInsert() {
        ExpectWord("insert");
        ExpectWord("into");
        InsertStatement insert;
        insert.table = Name("a table name");
        if (IsSymbol("(")) {
            ++mPos;
            insert.fields = CommaList<std::string>([this] { return Name("a field name"); });
            ExpectSymbol(")");
        }
        ExpectWord("values");
        for (;;) {
            ExpectSymbol("(");
            insert.rows.push_back(CommaList<Literal>([this] { return ParseLiteral(); }));
            while (IsSymbol(";")) {
                ++mPos;
                if (!IsSymbol(")")) {
                    insert.rows.push_back(CommaList<Literal>([this] { return ParseLiteral(); }));
                }
            }
            ExpectSymbol(")");
            if (!IsSymbol(",")) {
                break;
            }
            ++mPos;
        }
        return insert;
    }

    Literal ParseLiteral() {
        if (Peek().kind == TokenKind::Number) {
            return {Next().text, false};
        }
        if (Peek().kind == TokenKind::Text) {
            return {Next().text, true};
        }
        Unexpected("a number or a quoted text");
    }

    SelectStatement ParseSelect() {
        ExpectWord("select");
        SelectStatement select;
        if (IsSymbol("*")) {
            ++mPos;
        } else {
            select.fields = CommaList<std::string>([this] { return Name("a field name or *"); });
        }
        ExpectWord("from");
        select.table = Name("a table name");
        for (;;) {
            if (IsWord("order") && select.orderBy.empty()) {
                ++mPos;
                ExpectWord("by");
                select.orderBy = CommaList<OrderKey>([this] {
                    OrderKey key{Name("a field name"), false};
                    if (IsWord("asc") || IsWord("desc")) {
                        key.descending = IsWord("desc");
                        ++mPos;
                    }
                    return key;
                });
            } else if (IsWord("split") && select.splitBy.empty()) {
                ++mPos;
                ExpectWord("by");
                select.splitBy = CommaList<std::string>([this] { return Name("a field name"); });
            } else {
                return select;
            }
        }
    }

    std::vector<Token> mTokens;
    size_t mPos = 0;
};

}  // namespace

std::vector<Statement> ParseStatements(std::string_view text) {
    return Parser(Tokenize(text)).ParseAll();
}

}  // namespace htmlsim
