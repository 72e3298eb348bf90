// Files beside the program: the data folder and sequential reading of text files, by line or field.
#include <QCoreApplication>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "platform/regular_file.h"
#include "platform/services.h"

namespace platform {
namespace {

// Our data files are a few kilobytes; anything this big is not one of them, and reading it
// whole would only let a hostile file eat the memory.
constexpr std::size_t kMaxTextFileBytes = 16u * 1024u * 1024u;

std::string& folder_override() {
    static std::string folder;
    return folder;
}

bool is_line_end(char c) { return c == '\r' || c == '\n'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

// CR LF counts as one line end; a lone CR or LF as one each.
void skip_line_end(const std::string& data, std::size_t& pos) {
    if (pos < data.size() && data[pos] == '\r') {
        ++pos;
        if (pos < data.size() && data[pos] == '\n') ++pos;
    } else if (pos < data.size() && data[pos] == '\n') {
        ++pos;
    }
}

bool is_decimal_number(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') { ++i; ++digits; }
    }
    return digits > 0 && i == s.size();
}

}  // namespace

std::string data_folder() {
    if (!folder_override().empty()) return folder_override();
    if (!QCoreApplication::instance()) return ".";
    return QCoreApplication::applicationDirPath().toStdString();
}

void set_data_folder(const std::string& folder) { folder_override() = folder; }

std::string data_path(const std::string& name) { return data_folder() + "/" + name; }

TextFile::TextFile(const std::string& path) {
    notify_read("file", path);
    // Only plain files: a folder reads as nothing and a pipe or device could block forever.
    std::string why;
    if (!read_regular_file(path, kMaxTextFileBytes, data_, why)) {
        if (why == kFileTooLarge) {
            std::fprintf(stderr, "%s is larger than %zu bytes; not read\n", path.c_str(),
                         kMaxTextFileBytes);
        }
        return;
    }
    ok_ = true;
}

bool TextFile::eof() const { return pos_ >= data_.size(); }

std::string TextFile::read_line() {
    after_comma_ = false;
    const std::size_t start = pos_;
    while (pos_ < data_.size() && !is_line_end(data_[pos_])) ++pos_;
    std::string line = data_.substr(start, pos_ - start);
    skip_line_end(data_, pos_);
    return line;
}

// Fields follow the old sequential "Input #" rules. Where a field starts, blanks are skipped,
// and so are whole empty lines: they separate nothing. A line that ends right after a comma,
// though, closes an empty field, as the comma promised one.
std::string TextFile::read_field() {
    for (;;) {
        while (pos_ < data_.size() && is_blank(data_[pos_])) ++pos_;
        if (pos_ >= data_.size()) {
            after_comma_ = false;
            return "";
        }
        if (!is_line_end(data_[pos_])) break;
        skip_line_end(data_, pos_);
        if (after_comma_) {
            after_comma_ = false;
            return "";
        }
    }

    std::string field;
    if (data_[pos_] == '"') {
        // A quoted field runs to its closing quote, across commas and line ends alike; what
        // follows the quote up to the separator is not part of it.
        const std::size_t start = ++pos_;
        while (pos_ < data_.size() && data_[pos_] != '"') ++pos_;
        field = data_.substr(start, pos_ - start);
        if (pos_ < data_.size()) ++pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !is_line_end(data_[pos_])) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !is_line_end(data_[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && is_blank(data_[end - 1])) --end;
        field = data_.substr(start, end - start);
    }

    after_comma_ = pos_ < data_.size() && data_[pos_] == ',';
    if (after_comma_) ++pos_;
    else skip_line_end(data_, pos_);
    return field;
}

std::optional<double> TextFile::read_number() {
    const std::string field = read_field();
    if (!is_decimal_number(field)) return std::nullopt;
    // from_chars takes a minus sign but not a plus sign.
    const char* first = field.data() + (field[0] == '+' ? 1 : 0);
    const char* last = field.data() + field.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

namespace {

std::function<void(const std::string&, const std::string&)>& read_observer() {
    static std::function<void(const std::string&, const std::string&)> observer;
    return observer;
}

}  // namespace

void set_read_observer(std::function<void(const std::string& kind, const std::string& what)> observer) {
    read_observer() = std::move(observer);
}

void notify_read(const std::string& kind, const std::string& what) {
    if (read_observer()) read_observer()(kind, what);
}

}  // namespace platform
