#include "practice/multitopic/formula_pieces.h"

namespace cifrala {

namespace {

// A piece of a fraction that is more than one number or name keeps brackets.
QString part_text(const Formula& f) {
    const QString t = plain_text(f).trimmed();
    bool plain = !t.isEmpty();
    for (qsizetype i = 0; i < t.size() && plain; ++i)
        plain = t[i].isLetterOrNumber() || (i == 0 && t[i] == QLatin1Char('-'));
    return plain ? t : QLatin1Char('(') + t + QLatin1Char(')');
}

bool whole_number(const QString& t) {
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (!c.isDigit() && !c.isLetter()) return false;
    return true;
}

}  // namespace

Piece text_piece(const QString& text) {
    Piece p;
    p.text = text;
    return p;
}

Piece power_piece(Formula exponent) {
    Piece p;
    p.kind = Piece::Power;
    p.first = std::move(exponent);
    return p;
}

Piece fraction_piece(Formula top, Formula bottom) {
    Piece p;
    p.kind = Piece::Fraction;
    p.first = std::move(top);
    p.second = std::move(bottom);
    return p;
}

Piece root_piece(Formula radicand, int index) {
    Piece p;
    p.kind = Piece::Root;
    p.first = std::move(radicand);
    p.index = index;
    return p;
}

Formula& operator<<(Formula& f, const QString& text) {
    if (text.isEmpty()) return f;
    if (!f.empty() && f.back().kind == Piece::Text) {
        f.back().text += text;
    } else {
        f.push_back(text_piece(text));
    }
    return f;
}

Formula& operator<<(Formula& f, const char* text) {
    return f << QString::fromUtf8(text);
}

Formula& operator<<(Formula& f, Piece piece) {
    if (piece.kind == Piece::Text) return f << piece.text;
    f.push_back(std::move(piece));
    return f;
}

Formula& operator<<(Formula& f, const Formula& more) {
    for (const Piece& p : more)
        f << p;
    return f;
}

Formula formula(const QString& text) {
    Formula f;
    f << text;
    return f;
}

Formula formula(const QString& text, const Formula& rest) {
    Formula f;
    f << text << rest;
    return f;
}

bool is_empty(const Formula& f) {
    for (const Piece& p : f)
        if (p.kind != Piece::Text || !p.text.isEmpty()) return false;
    return true;
}

QString exponent_text(const Formula& exponent) {
    const QString t = plain_text(exponent).trimmed();
    return whole_number(t) ? t : QLatin1Char('(') + t + QLatin1Char(')');
}

QString plain_text(const Formula& f) {
    QString out;
    for (const Piece& p : f) {
        switch (p.kind) {
            case Piece::Text:
                out += p.text;
                break;
            case Piece::Power:
                out += QLatin1Char('^') + exponent_text(p.first);
                break;
            case Piece::Fraction:
                out += part_text(p.first) + QLatin1Char('/') + part_text(p.second);
                break;
            case Piece::Root:
                out += QLatin1Char('V') + (p.index == 2 ? QString() : QString::number(p.index)) +
                       QLatin1Char('(') + plain_text(p.first).trimmed() + QLatin1Char(')');
                break;
        }
    }
    return out;
}

}  // namespace cifrala
