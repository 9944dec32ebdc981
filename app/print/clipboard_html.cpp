#include "clipboard_html.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace {

// Dropped with everything up to their end tag.
constexpr std::array kDroppedWithContent = {"script", "style", "iframe", "frame", "frameset", "object",
                                            "embed", "applet", "noscript", "noembed", "noframes",
                                            "template", "title", "svg", "math", "video", "audio", "canvas"};
// Dropped alone: they load something, or show nothing without it.
constexpr std::array kDroppedAlone = {"link", "meta", "base", "img", "image", "input", "source", "track",
                                      "param", "picture", "area", "map", "form", "button", "head"};
// Attributes that name another resource.
constexpr std::array kReferences = {"src", "href", "srcset", "action", "formaction", "poster", "background",
                                    "lowsrc", "dynsrc", "cite", "longdesc", "usemap", "data", "codebase",
                                    "archive", "classid", "profile", "manifest", "ping", "xlink:href",
                                    "imagesrcset", "itemtype", "attributionsrc"};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

template <std::size_t N>
bool OneOf(const std::string& name, const std::array<const char*, N>& names) {
    return std::find_if(names.begin(), names.end(), [&](const char* n) { return name == n; }) != names.end();
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsNameChar(char c) { return !IsSpace(c) && c != '>' && c != '/' && c != '=' && c != '\0'; }

// Removes the CSS functions that load something: url(...) and image-set(...), quotes and nested
// parentheses included.
std::string WithoutCssReferences(std::string_view css) {
    std::string out;
    const std::string lower = Lower(css);
    std::size_t at = 0;
    while (at < css.size()) {
        std::size_t next = std::string::npos, nameLength = 0;
        for (const char* function : {"url(", "image-set(", "-webkit-image-set(", "expression("}) {
            const std::size_t found = lower.find(function, at);
            if (found < next) {
                next = found;
                nameLength = std::string_view(function).size();
            }
        }
        if (next == std::string::npos) break;
        out.append(css.substr(at, next - at));
        int depth = 1;
        char quote = 0;
        std::size_t end = next + nameLength;
        for (; end < css.size() && depth > 0; ++end) {
            const char c = css[end];
            if (quote) {
                if (c == '\\') ++end;
                else if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            }
        }
        out += "none";
        at = end;
    }
    out.append(css.substr(std::min(at, css.size())));
    return out;
}

struct Attribute {
    std::string name;
    std::string value;
    bool hasValue = false;
};

class Scanner {
public:
    explicit Scanner(std::string_view html) : html_(html) {}

    std::string Run() {
        while (at_ < html_.size()) {
            const std::size_t tag = html_.find('<', at_);
            out_.append(html_.substr(at_, tag == std::string::npos ? std::string::npos : tag - at_));
            if (tag == std::string::npos) break;
            at_ = tag;
            Tag();
        }
        return std::move(out_);
    }

private:
    void Skip(std::string_view until) {
        const std::size_t end = html_.find(until, at_);
        at_ = end == std::string::npos ? html_.size() : end + until.size();
    }

    void Tag() {
        const std::string_view rest = html_.substr(at_);
        if (rest.starts_with("<!--")) return Skip("-->");
        if (rest.starts_with("<!") || rest.starts_with("<?")) return Skip(">");
        const bool closing = rest.starts_with("</");
        std::size_t p = at_ + (closing ? 2 : 1);
        const std::size_t nameStart = p;
        while (p < html_.size() && IsNameChar(html_[p])) ++p;
        if (p == nameStart) {  // a lone "<" is text
            out_ += "&lt;";
            ++at_;
            return;
        }
        const std::string name = Lower(html_.substr(nameStart, p - nameStart));
        at_ = p;
        std::vector<Attribute> attributes = Attributes();
        const bool selfClosing = at_ >= 2 && html_[at_ - 2] == '/';
        if (OneOf(name, kDroppedWithContent)) {
            if (!closing && !selfClosing) SkipPast("</" + name);
            return;
        }
        if (OneOf(name, kDroppedAlone)) return;
        out_ += closing ? "</" : "<";
        out_ += name;
        if (!closing) WriteAttributes(attributes);
        out_ += selfClosing && !closing ? " />" : ">";
    }

    // Past the end tag, whatever its case.
    void SkipPast(const std::string& endTag) {
        const std::string lower = Lower(html_.substr(at_));
        const std::size_t end = lower.find(endTag);
        if (end == std::string::npos) {
            at_ = html_.size();
            return;
        }
        at_ += end;
        Skip(">");
    }

    std::vector<Attribute> Attributes() {
        std::vector<Attribute> attributes;
        while (at_ < html_.size() && html_[at_] != '>') {
            if (IsSpace(html_[at_]) || html_[at_] == '/') {
                ++at_;
                continue;
            }
            Attribute attribute;
            const std::size_t start = at_;
            while (at_ < html_.size() && IsNameChar(html_[at_])) ++at_;
            if (at_ == start) {  // a stray "=": no name to give it
                ++at_;
                continue;
            }
            attribute.name = Lower(html_.substr(start, at_ - start));
            while (at_ < html_.size() && IsSpace(html_[at_])) ++at_;
            if (at_ < html_.size() && html_[at_] == '=') {
                ++at_;
                while (at_ < html_.size() && IsSpace(html_[at_])) ++at_;
                attribute.hasValue = true;
                attribute.value = Value();
            }
            attributes.push_back(std::move(attribute));
        }
        if (at_ < html_.size()) ++at_;  // the ">"
        return attributes;
    }

    // An attribute's value as written, quotes left out.
    std::string Value() {
        if (at_ < html_.size() && (html_[at_] == '"' || html_[at_] == '\'')) {
            const char quote = html_[at_++];
            const std::size_t end = html_.find(quote, at_);
            const std::size_t stop = end == std::string::npos ? html_.size() : end;
            std::string value(html_.substr(at_, stop - at_));
            at_ = std::min(html_.size(), stop + 1);
            return value;
        }
        const std::size_t start = at_;
        while (at_ < html_.size() && !IsSpace(html_[at_]) && html_[at_] != '>') ++at_;
        return std::string(html_.substr(start, at_ - start));
    }

    void WriteAttributes(const std::vector<Attribute>& attributes) {
        for (const Attribute& attribute : attributes) {
            if (attribute.name.starts_with("on") || OneOf(attribute.name, kReferences)) continue;
            if (attribute.name.find(':') != std::string::npos) continue;  // xlink:, xml: and the like
            out_ += ' ';
            out_ += attribute.name;
            if (!attribute.hasValue) continue;
            std::string value = attribute.name == "style" ? WithoutCssReferences(attribute.value) : attribute.value;
            // Written between double quotes, so a double quote inside must not end it.
            std::string quoted;
            for (const char c : value) quoted += c == '"' ? std::string("&quot;") : std::string(1, c);
            out_ += "=\"" + quoted + "\"";
        }
    }

    std::string_view html_;
    std::size_t at_ = 0;
    std::string out_;
};

}  // namespace

std::string SafeClipboardHtml(std::string_view html) { return Scanner(html).Run(); }
