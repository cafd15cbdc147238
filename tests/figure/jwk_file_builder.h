#pragma once
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace torvane::test {

// Bytes of a JWK figure file built by hand: the two header blocks, the records and the
// string area, laid out as the DOS program writes them.
class JwkFileBuilder {
public:
    std::string comment1, comment2;
    // Text of the second header block; when empty it is made from the records added.
    std::string headerText;
    std::string scaleText = "1";
    std::string strings;  // the string area

    JwkFileBuilder& Line(float x1, float y1, float x2, float y2, uint8_t typ = 1, uint8_t col = 1, uint8_t lay = 0) {
        Single(lines_, x1), Single(lines_, y1), Single(lines_, x2), Single(lines_, y2);
        lines_ += static_cast<char>(typ), lines_ += static_cast<char>(col), lines_ += static_cast<char>(lay);
        lines_.append(3, '\0');
        ++lineCount_;
        return *this;
    }
    // Flatness in ten-thousandths, angles in degrees.
    JwkFileBuilder& Arc(float x, float y, float r, uint16_t flatness, double st, double et, double tt = 0) {
        Single(arcs_, x), Single(arcs_, y), Single(arcs_, r);
        Int(arcs_, flatness, 2);
        Int(arcs_, static_cast<uint32_t>(static_cast<int32_t>(st * 65536)), 4);
        Int(arcs_, static_cast<uint32_t>(static_cast<int32_t>(et * 65536)), 4);
        Int(arcs_, static_cast<uint32_t>(static_cast<int32_t>(tt * 65536)), 4);
        arcs_ += "\x01\x02\x03";
        arcs_.append(3, '\0');
        ++arcCount_;
        return *this;
    }
    JwkFileBuilder& Ten(float x, float y, uint8_t lay = 0, uint8_t col = 1) {
        Single(tens_, x), Single(tens_, y);
        tens_ += static_cast<char>(lay), tens_ += static_cast<char>(col);
        tens_.append(2, '\0');
        ++tenCount_;
        return *this;
    }
    JwkFileBuilder& Moji(float x1, float y1, float x2, float y2, uint16_t p, uint8_t no = 1, uint8_t lay = 0) {
        Single(mojis_, x1), Single(mojis_, y1), Single(mojis_, x2), Single(mojis_, y2);
        Int(mojis_, p, 2);
        mojis_.append(2, '\0');
        mojis_ += static_cast<char>(no), mojis_ += static_cast<char>(lay);
        mojis_.append(2, '\0');
        ++mojiCount_;
        return *this;
    }

    std::string HeaderText() const {
        if (!headerText.empty()) return headerText;
        return std::to_string(lineCount_) + "," + std::to_string(arcCount_) + "," + std::to_string(tenCount_) + "," +
               std::to_string(mojiCount_) + ",0,0,1," + std::to_string(strings.size()) + "," + scaleText;
    }

    std::string Bytes() const {
        std::string out = "jw_cad(c)sym";
        out.resize(40, '.');
        out += Padded(comment1, 32) + Padded(comment2, 32);
        out.resize(200, '\0');
        out += Padded(HeaderText(), 200);
        return out + lines_ + arcs_ + tens_ + mojis_ + strings;
    }

private:
    static std::string Padded(std::string s, std::size_t n) {
        s.resize(n, '\0');
        return s;
    }
    static void Int(std::string& out, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    static void Single(std::string& out, float v) { Int(out, std::bit_cast<uint32_t>(v), 4); }

    std::string lines_, arcs_, tens_, mojis_;
    int lineCount_ = 0, arcCount_ = 0, tenCount_ = 0, mojiCount_ = 0;
};

}  // namespace torvane::test
