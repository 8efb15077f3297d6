// Build-time tool: turns the four-language text tables (UTF-8, TAB separated) into a C++ source
// with constant tables, so that the program reads no text file at run time.
//
// usage: generate_text_tables OUTPUT.cpp SHARED_LISTS ITEMS PRINT_ITEMS MESSAGES GUIDES
//        OWN_MESSAGES DETAILS

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguages = 4;

struct Line {
    std::string file;
    int number = 0;
    std::vector<std::string> fields;
};

struct Failure {
    std::string message;
};

[[noreturn]] void fail(const Line& line, const std::string& message) {
    throw Failure{line.file + ":" + std::to_string(line.number) + ": " + message};
}

std::string unescape(const Line& line, const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) fail(line, "backslash at the end of a text");
        switch (field[i]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        case 's':
            out += ' ';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            fail(line, std::string("unknown escape \\") + field[i]);
        }
    }
    return out;
}

// The lines of a table file without comments and blank lines, split at TAB.
std::vector<Line> readTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure{path + ": cannot open"};
    std::vector<Line> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == '#') continue;
        Line line{path, number, {}};
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = text.find('\t', start);
            line.fields.push_back(text.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

using Columns = std::vector<std::string>; // one text in the four languages

Columns textColumns(const Line& line, std::size_t first) {
    if (line.fields.size() != first + kLanguages)
        fail(line, "expected " + std::to_string(first + kLanguages) + " fields");
    Columns columns;
    for (int k = 0; k < kLanguages; ++k)
        columns.push_back(unescape(line, line.fields[first + k]));
    return columns;
}

int parseIndex(const Line& line, const std::string& field) {
    if (field.empty() || field.find_first_not_of("0123456789") != std::string::npos)
        fail(line, "not an index: " + field);
    return std::stoi(field);
}

// A C++ string literal holding exactly the bytes of the text (pure ASCII source).
std::string literal(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    return out + "\"sv";
}

std::string textInitializer(const Columns& columns) {
    std::string out = "{{";
    for (int k = 0; k < kLanguages; ++k)
        out += (k ? ", " : "") + literal(columns[k]);
    return out + "}}";
}

struct Range {
    std::size_t offset = 0;
    std::size_t count = 0;
};

struct Item {
    Range labels, values, units;
};

class Generator {
public:
    void readSharedLists(const std::string& path) {
        std::string current;
        for (const Line& line : readTable(path)) {
            if (line.fields.empty() || line.fields[0].empty()) fail(line, "list name missing");
            const std::string& name = line.fields[0];
            if (name != current) {
                if (lists_.count(name)) fail(line, "list " + name + " is not in one piece");
                lists_[name] = Range{pool_.size(), 0};
                current = name;
            }
            pool_.push_back(textColumns(line, 1));
            ++lists_[name].count;
        }
    }

    void readItems(const std::string& path) {
        const std::vector<Line> lines = readTable(path);
        std::size_t i = 0;
        while (i < lines.size()) {
            const int row = parseIndex(lines[i], lines[i].fields[0]);
            if (row != static_cast<int>(items_.size()))
                fail(lines[i], "row " + std::to_string(items_.size()) + " expected");
            // Collect the row's texts per part first, so that each part is consecutive.
            std::map<std::string, std::vector<Columns>> texts;
            std::map<std::string, Range> shared;
            for (; i < lines.size() && lines[i].fields[0] == std::to_string(row); ++i) {
                const Line& line = lines[i];
                if (line.fields.size() < 2 || line.fields[1].empty()) fail(line, "part missing");
                const std::string& part = line.fields[1];
                const std::string key = part.back() == 's' ? part : part + "s";
                if (part == "label" || part == "value" || part == "unit") {
                    texts[key].push_back(textColumns(line, 2));
                } else if (part == "values" || part == "units") {
                    if (line.fields.size() != 3 || line.fields[2].rfind('@', 0) != 0)
                        fail(line, "expected a shared list @name");
                    const auto list = lists_.find(line.fields[2].substr(1));
                    if (list == lists_.end()) fail(line, "unknown list " + line.fields[2]);
                    if (shared.count(key)) fail(line, "second list for " + part);
                    shared[key] = list->second;
                } else {
                    fail(line, "unknown part " + part);
                }
                if (texts.count(key) && shared.count(key))
                    fail(line, key + " both listed and shared");
            }
            Item item;
            item.labels = place(texts["labels"]);
            item.values = shared.count("values") ? shared["values"] : place(texts["values"]);
            item.units = shared.count("units") ? shared["units"] : place(texts["units"]);
            if (item.labels.count == 0) fail(lines[i - 1], "row without a label");
            items_.push_back(item);
        }
    }

    // A table of one-label rows (the Print Test captions).
    void readPrintItems(const std::string& path) {
        for (const Columns& text : readIndexed(path)) {
            Item item;
            item.labels = place({text});
            printItems_.push_back(item);
        }
    }

    void readMessages(const std::string& path) { messages_ = readIndexed(path); }
    void readGuides(const std::string& path) { guides_ = readIndexed(path); }
    void readOwnMessages(const std::string& path) { ownMessages_ = readIndexed(path); }
    void readDetails(const std::string& path) { details_ = readIndexed(path); }

    std::string source() const {
        std::ostringstream out;
        out << "// Generated from the text tables in src/text by generate_text_tables. Do not "
               "edit.\n"
               "#include \"text/text_tables.h\"\n\n"
               "namespace tessaline {\n\nnamespace {\n\nusing namespace "
               "std::string_view_literals;\n\n"
               "constexpr ShortText kShortTexts[] = {\n";
        for (const Columns& text : pool_)
            out << "    " << textInitializer(text) << ",\n";
        out << "};\n\n";
        writeItems(out, "kItemTextTable", items_);
        writeItems(out, "kPrintItemTexts", printItems_);
        writeLong(out, "kMessageTable", messages_);
        writeLong(out, "kGuideTextTable", guides_);
        writeLong(out, "kOwnMessageTable", ownMessages_);
        writeLong(out, "kDetailTable", details_);
        out << "} // namespace\n\n"
               "std::span<const ItemTexts> ItemTextTable() { return kItemTextTable; }\n"
               "std::span<const ItemTexts> PrintItemTexts() { return kPrintItemTexts; }\n"
               "std::span<const LongText> MessageTable() { return kMessageTable; }\n"
               "std::span<const LongText> GuideTextTable() { return kGuideTextTable; }\n"
               "std::span<const LongText> OwnMessageTable() { return kOwnMessageTable; }\n"
               "std::span<const LongText> DetailTable() { return kDetailTable; }\n\n"
               "} // namespace tessaline\n";
        return out.str();
    }

private:
    Range place(const std::vector<Columns>& texts) {
        Range range{pool_.size(), texts.size()};
        pool_.insert(pool_.end(), texts.begin(), texts.end());
        return range;
    }

    static std::vector<Columns> readIndexed(const std::string& path) {
        std::vector<Columns> texts;
        for (const Line& line : readTable(path)) {
            if (parseIndex(line, line.fields[0]) != static_cast<int>(texts.size()))
                fail(line, "entry " + std::to_string(texts.size()) + " expected");
            texts.push_back(textColumns(line, 1));
        }
        return texts;
    }

    static std::string span(const Range& range) {
        if (range.count == 0) return "{}";
        return "{kShortTexts + " + std::to_string(range.offset) + ", " +
               std::to_string(range.count) + "}";
    }

    static void writeItems(std::ostream& out, const char* name, const std::vector<Item>& items) {
        out << "constexpr ItemTexts " << name << "[] = {\n";
        for (std::size_t row = 0; row < items.size(); ++row) {
            const Item& item = items[row];
            out << "    {" << span(item.labels) << ", " << span(item.values) << ", "
                << span(item.units) << "}, // " << row << "\n";
        }
        out << "};\n\n";
    }

    static void writeLong(std::ostream& out, const char* name, const std::vector<Columns>& texts) {
        out << "constexpr LongText " << name << "[] = {\n";
        for (const Columns& text : texts)
            out << "    " << textInitializer(text) << ",\n";
        out << "};\n\n";
    }

    std::vector<Columns> pool_;
    std::map<std::string, Range> lists_;
    std::vector<Item> items_;
    std::vector<Item> printItems_;
    std::vector<Columns> messages_;
    std::vector<Columns> guides_;
    std::vector<Columns> ownMessages_;
    std::vector<Columns> details_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 9) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT SHARED_LISTS ITEMS PRINT_ITEMS MESSAGES GUIDES "
                     "OWN_MESSAGES DETAILS\n",
                     argv[0]);
        return 2;
    }
    try {
        Generator generator;
        generator.readSharedLists(argv[2]);
        generator.readItems(argv[3]);
        generator.readPrintItems(argv[4]);
        generator.readMessages(argv[5]);
        generator.readGuides(argv[6]);
        generator.readOwnMessages(argv[7]);
        generator.readDetails(argv[8]);
        const std::string source = generator.source();
        // Write to a temporary name and rename, so that a failed run leaves no partial source.
        const std::string temporary = std::string(argv[1]) + ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << source;
            if (!out.flush()) throw Failure{temporary + ": cannot write"};
        }
        if (std::rename(temporary.c_str(), argv[1]) != 0)
            throw Failure{"cannot rename " + temporary};
    } catch (const Failure& failure) {
        std::fprintf(stderr, "generate_text_tables: %s\n", failure.message.c_str());
        return 1;
    }
    return 0;
}
