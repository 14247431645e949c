#include "gamedata/SaveFileWriter.h"

#include <charconv>

#include "platform/AtomicFileWriter.h"

void SaveFileWriter::FlushIfFull()
{
    if (mFile && mText.size() >= kChunk) {
        mFile->Write(mText);
        mText.clear();
    }
}

bool SaveFileWriter::Finish()
{
    if (!mFile)
        return true;
    mFile->Write(mText);
    mText.clear();
    return mFile->Ok();
}

void SaveFileWriter::Open(std::string_view tag)
{
    mText += '<';
    mText += tag;
    mText += ">\n";
}

void SaveFileWriter::Close(std::string_view tag)
{
    mText += "</";
    mText += tag;
    mText += ">\n";
    FlushIfFull();
}

void SaveFileWriter::Line(std::string_view name, std::string_view text)
{
    mText += '<';
    mText += name;
    mText += '>';
    mText += text;
    mText += "</";
    mText += name;
    mText += ">\n";
    FlushIfFull();
}

void SaveFileWriter::Raw(std::string_view name, std::string_view text) { Line(name, text); }

void SaveFileWriter::Text(std::string_view name, std::string_view value) { Line(name, Escape(value)); }

void SaveFileWriter::Int(std::string_view name, long long value)
{
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    Line(name, std::string_view(buffer, static_cast<size_t>(end - buffer)));
}

namespace {
// Like printf("%.*f"), without the locale.
void AppendFixed(std::string& out, float value, int decimals)
{
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed,
                                decimals);
    out.append(buffer, result.ec == std::errc() ? result.ptr : buffer);
}
}  // namespace

void SaveFileWriter::Real(std::string_view name, float value)
{
    std::string text;
    AppendFixed(text, value, 8);
    Line(name, text);
}

void SaveFileWriter::History(std::string_view name, const float* values, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        AppendFixed(text, values[i], 3);
        text += ',';
    }
    Line(name, text);
}

void SaveFileWriter::AppendExact(std::string& out, float value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ec == std::errc() ? result.ptr : buffer);
}

void SaveFileWriter::Exact(std::string_view name, float value)
{
    std::string text;
    AppendExact(text, value);
    Line(name, text);
}

void SaveFileWriter::ExactList(std::string_view name, const float* values, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        AppendExact(text, values[i]);
        text += ',';
    }
    Line(name, text);
}

std::string SaveFileWriter::Escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default:
            if (u < 0x20 || u == 0x7f)
                out += "&#" + std::to_string(u) + ";";
            else
                out += c;
        }
    }
    return out;
}

bool SaveFileWriter::Unescape(std::string_view text, std::string& out)
{
    out.clear();
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        size_t end = text.find(';', i);
        if (end == std::string_view::npos)
            return false;
        std::string_view entity = text.substr(i + 1, end - i - 1);
        if (entity == "amp")
            out += '&';
        else if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity.size() >= 2 && entity.size() <= 4 && entity[0] == '#') {
            unsigned code = 0;
            auto result = std::from_chars(entity.data() + 1, entity.data() + entity.size(), code);
            if (result.ec != std::errc() || result.ptr != entity.data() + entity.size() || code > 255)
                return false;
            out += static_cast<char>(code);
        } else {
            return false;
        }
        i = end;
    }
    return true;
}
