// The text of a settings file: INI sections and keys, values escaped the way Qt's INI files are.
#include "platform/settings_ini.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// ---- SettingsEntry -------------------------------------------------------------------------

std::string SettingsEntry::get(const std::string& section, const std::string& key,
                               const std::string& default_value) const {
    notify_read("setting", section + "/" + key);
    const auto s = index_.find(section);
    if (s == index_.end()) return default_value;
    const Section& sec = sections_[s->second];
    const auto k = sec.index.find(key);
    return k == sec.index.end() ? default_value : sec.values[k->second].second;
}

void SettingsEntry::set(const std::string& section, const std::string& key, const std::string& value,
                        bool finished) {
    auto s = index_.find(section);
    if (s == index_.end()) {
        s = index_.emplace(section, sections_.size()).first;
        sections_.push_back(Section{section, {}, {}, {}});
    }
    Section& sec = sections_[s->second];
    const auto k = sec.index.find(key);
    if (k != sec.index.end()) {
        sec.values[k->second].second = value;
        sec.finished[k->second] = finished;
        return;
    }
    sec.index.emplace(key, sec.values.size());
    sec.values.emplace_back(key, value);
    sec.finished.push_back(finished);
}

bool SettingsEntry::finished(const std::string& section, const std::string& key) const {
    const auto s = index_.find(section);
    if (s == index_.end()) return false;
    const Section& sec = sections_[s->second];
    const auto k = sec.index.find(key);
    return k != sec.index.end() && sec.finished[k->second];
}

namespace {

bool is_hex(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}
bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

// ---- Keys and section names ----------------------------------------------------------------
// Letters, digits and "_-." stand as they are; '/' is written '\'; anything else as %XX, or
// %UXXXX beyond Latin-1.

std::string key_text(const std::string& key) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const QChar qc : QString::fromStdString(key)) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                   c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += digits[(c >> shift) & 15];
        }
    }
    return out;
}

std::string key_from_text(std::string_view s) {
    QString out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == '\\') {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (s[i] == '%') {
            const bool wide = i + 1 < s.size() && s[i + 1] == 'U';
            const std::size_t first = i + (wide ? 2 : 1);
            const std::size_t n = wide ? 4 : 2;
            bool ok = first + n <= s.size();
            for (std::size_t k = first; ok && k < first + n; ++k) ok = is_hex(static_cast<unsigned char>(s[k]));
            if (ok) {
                char16_t c = 0;
                for (std::size_t k = first; k < first + n; ++k) c = static_cast<char16_t>(c * 16 + hex_value(s[k]));
                out += QChar(c);
                i = first + n;
                continue;
            }
        }
        std::size_t j = i + 1;
        while (j < s.size() && s[j] != '\\' && s[j] != '%') ++j;
        out += QString::fromUtf8(s.data() + i, static_cast<qsizetype>(j - i));
        i = j;
    }
    return out.toStdString();
}

// ---- Values --------------------------------------------------------------------------------

std::string value_text(const std::string& value) {
    QString s = QString::fromStdString(value);
    // A leading '@' marks a typed value in these files; a text that starts with one doubles it.
    if (s.startsWith(QLatin1Char('@'))) s.prepend(QLatin1Char('@'));
    std::string out;
    bool quote = false;
    bool hex_follows = false;  // a hex digit right after \x.. or \0 would join the escape
    for (const QChar qc : s) {
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=') quote = true;
        if (hex_follows && is_hex(c)) {
            out += "\\x" + QByteArray::number(c, 16).toStdString();
            continue;
        }
        hex_follows = false;
        switch (c) {
            case 0: out += "\\0"; hex_follows = true; break;
            case '\a': out += "\\a"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\v': out += "\\v"; break;
            case '"':
            case '\\':
                out += '\\';
                out += static_cast<char>(c);
                break;
            default:
                if (c <= 0x1F || c >= 0x7F) {
                    out += "\\x" + QByteArray::number(c, 16).toStdString();
                    hex_follows = true;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    if (quote || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
    return out;
}

void chop_blanks(QString& s, qsizetype limit) {
    while (s.size() > limit && (s.back() == QLatin1Char(' ') || s.back() == QLatin1Char('\t'))) s.chop(1);
}

// The text after '='. Quotes keep blanks and commas; unquoted commas make a list, which reads
// as its items joined by ", ".
QString value_from_text(std::string_view s) {
    QString out;
    QStringList items;
    bool list = false, in_quotes = false, quoted = false;
    std::size_t i = 0;
    qsizetype chop_limit = 0;
    auto skip_blanks = [&] {
        while (i < s.size() && is_blank(s[i])) ++i;
        chop_limit = out.size();
    };
    skip_blanks();
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= s.size()) break;
            const char e = s[i++];
            static const char simple[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                             {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool done = false;
            for (const auto& [from, to] : simple) {
                if (e == from) {
                    out += QLatin1Char(to);
                    done = true;
                }
            }
            if (!done && (e == 'x' || (e >= '0' && e <= '7'))) {
                const int base = e == 'x' ? 16 : 8;
                unsigned v = e == 'x' ? 0u : static_cast<unsigned>(e - '0');
                while (i < s.size() && (base == 16 ? is_hex(static_cast<unsigned char>(s[i])) : (s[i] >= '0' && s[i] <= '7')))
                    v = (v * base + static_cast<unsigned>(hex_value(s[i++]))) & 0xFFFF;
                out += QChar(static_cast<char16_t>(v));
            }
            chop_limit = out.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            in_quotes = !in_quotes;
            if (!in_quotes) skip_blanks();
        } else if (c == ',' && !in_quotes) {
            if (!quoted) chop_blanks(out, chop_limit);
            items.append(out);
            out.clear();
            list = true;
            quoted = false;
            ++i;
            skip_blanks();
        } else {
            std::size_t j = i + 1;
            while (j < s.size() && s[j] != '\\' && s[j] != '"' && s[j] != ',') ++j;
            out += QString::fromUtf8(s.data() + i, static_cast<qsizetype>(j - i));
            i = j;
        }
    }
    if (!quoted) chop_blanks(out, chop_limit);
    if (!list) return out;
    items.append(out);
    return items.join(QStringLiteral(", "));
}

// A text value, or nothing for the typed values ("@Rect(...)", "@Variant(...)") that only
// hand editing or another program could have put there.
std::optional<std::string> stored_text(std::string_view raw) {
    const QString v = value_from_text(raw);
    if (v.startsWith(QLatin1String("@@"))) return v.mid(1).toStdString();
    if (v.startsWith(QLatin1String("@ByteArray(")) && v.endsWith(QLatin1Char(')')))
        return v.mid(11, v.size() - 12).toStdString();
    if (v.startsWith(QLatin1Char('@')) && v.endsWith(QLatin1Char(')')) && v.indexOf(QLatin1Char('(')) > 1)
        return std::nullopt;
    return v.toStdString();
}

// Where the key ends ('=') and the value ends (line end or a ';' comment), outside quotes.
struct LineParts {
    std::size_t equals = std::string::npos;
    std::size_t end = 0;
    bool open_quote = false;  // the value's quote is still open where the line ends
};
LineParts split_line(std::string_view line) {
    LineParts p;
    bool in_quotes = false;
    std::size_t i = 0;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            ++i;
        } else if (c == '"') {
            in_quotes = !in_quotes;
        } else if (!in_quotes && c == '=' && p.equals == std::string::npos) {
            p.equals = i;
        } else if (!in_quotes && c == ';') {
            break;
        }
    }
    p.end = std::min(i, line.size());
    p.open_quote = in_quotes;
    return p;
}

}  // namespace

SettingsEntry parse_settings_ini(const std::string& text) {
    SettingsEntry entry;
    std::string_view all(text);
    if (all.substr(0, 3) == "\xEF\xBB\xBF") all.remove_prefix(3);
    std::string section;
    while (!all.empty()) {
        const std::size_t stop = all.find_first_of("\r\n");
        // Every line the game writes ends with a line break: one without it is where the file
        // was cut.
        const bool last_cut = stop == std::string_view::npos;
        std::string_view line = trimmed(all.substr(0, stop));
        all.remove_prefix(stop == std::string_view::npos ? all.size() : stop + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = trimmed(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            // Older builds wrote "general" under this header.
            const bool old_general = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                                         .compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0;
            section = old_general ? "general" : key_from_text(name);
            continue;
        }
        const LineParts parts = split_line(line);
        if (parts.equals == std::string::npos || parts.equals >= parts.end) continue;
        const std::string key = key_from_text(trimmed(line.substr(0, parts.equals)));
        if (key.empty()) continue;
        if (auto value = stored_text(line.substr(parts.equals + 1, parts.end - parts.equals - 1)))
            entry.set(section, key, *value, !last_cut && !parts.open_quote);
    }
    return entry;
}

std::string settings_ini_text(const SettingsEntry& entry) {
    std::string out;
    // Keys that stand before any header (put there by hand) must stay before every header.
    for (const SettingsEntry::Section& sec : entry.sections()) {
        if (!sec.name.empty()) continue;
        for (const auto& [key, value] : sec.values) out += key_text(key) + '=' + value_text(value) + '\n';
    }
    for (const SettingsEntry::Section& sec : entry.sections()) {
        if (sec.name.empty() || sec.values.empty()) continue;
        if (!out.empty()) out += '\n';
        out += '[' + key_text(sec.name) + "]\n";
        for (const auto& [key, value] : sec.values) out += key_text(key) + '=' + value_text(value) + '\n';
    }
    return out;
}

}  // namespace platform
