#include "app/document_bridge.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <utility>
#include <vector>

#include "app/qt_text.h"

namespace tavilo {
namespace {

// Tab stops are stored in twips; the display lays text out in pixels of 1/96 inch.
constexpr double kTwipsPerPixel = 1440.0 / 96.0;

QTextCharFormat ToCharFormat(const CharFormat& format) {
  QTextCharFormat out;
  out.setFontFamilies(QStringList{FromUtf8(format.font)});
  out.setFontPointSize(format.half_points / 2.0);
  out.setForeground(QColor(format.color.red, format.color.green, format.color.blue));
  out.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  out.setFontItalic(format.italic);
  return out;
}

CharFormat FromCharFormat(const QTextCharFormat& format, const QFont& defaultFont) {
  CharFormat out;
  const QStringList families = format.fontFamilies().toStringList();
  out.font = families.isEmpty() ? ToUtf8(defaultFont.family()) : ToUtf8(families.front());
  const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                        : defaultFont.pointSizeF();
  out.half_points = points > 0 ? static_cast<int>(std::lround(points * 2)) : CharFormat{}.half_points;
  if (format.hasProperty(QTextFormat::ForegroundBrush)) {
    const QColor color = format.foreground().color();
    out.color = Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue())};
  }
  out.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold
                                                         : defaultFont.bold();
  out.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaultFont.italic();
  return out;
}

// A fragment's text as the document model wants it: line separators (Shift+Enter) end the
// paragraph, object placeholders and other paragraph marks go.
std::string FragmentText(QString text) {
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  text.remove(QChar::ObjectReplacementCharacter);
  text.remove(QChar::ParagraphSeparator);
  return ToUtf8(text);
}

}  // namespace

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
  // No free font is called Futura Medium BT: the horizontal ambigrams are drawn and printed in a
  // geometric sans-serif of the same build (League Spartan, else URW Gothic); saved documents
  // keep the name.
  QFont::insertSubstitutions(QStringLiteral("Futura Medium BT"),
                             {QStringLiteral("League Spartan Medium"), QStringLiteral("League Spartan"),
                              QStringLiteral("URW Gothic"), QStringLiteral("Liberation Sans")});
}

void FillTextDocument(const Document& doc, QTextDocument& target) {
  // A long result has tens of thousands of runs. One edit block lays the document out once at the
  // end instead of after every insertion (seconds saved on a 30 000-word listing), filling is not
  // an edit the user can undo, and the few distinct formats are converted once each.
  const bool undo = target.isUndoRedoEnabled();
  target.setUndoRedoEnabled(false);
  target.clear();
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  std::vector<std::pair<CharFormat, QTextCharFormat>> formats;
  auto convert = [&formats](const CharFormat& format) -> const QTextCharFormat& {
    for (const auto& known : formats)
      if (known.first == format) return known.second;
    formats.emplace_back(format, ToCharFormat(format));
    return formats.back().second;
  };
  bool first = true;
  for (const Paragraph& paragraph : doc.paragraphs()) {
    QTextBlockFormat block;
    QList<QTextOption::Tab> tabs;
    for (int twips : paragraph.tab_stops) tabs.append(QTextOption::Tab(twips / kTwipsPerPixel, QTextOption::LeftTab));
    block.setTabPositions(tabs);
    // The block keeps the format of its first run, so that an empty paragraph keeps its size.
    const QTextCharFormat blockChars = convert(paragraph.runs.empty() ? CharFormat{} : paragraph.runs.front().format);
    if (first) {
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(blockChars);
      first = false;
    } else {
      cursor.insertBlock(block, blockChars);
    }
    for (const auto& run : paragraph.runs) cursor.insertText(FromUtf8(run.text), convert(run.format));
  }
  cursor.endEditBlock();
  target.setUndoRedoEnabled(undo);
}

Document ReadTextDocument(const QTextDocument& source) {
  Document doc;
  const QFont defaultFont = source.defaultFont();
  bool first = true;
  for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
    if (!first) doc.AppendParagraphBreak();
    first = false;
    std::vector<int> twips;
    for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
      twips.push_back(static_cast<int>(std::lround(tab.position * kTwipsPerPixel)));
    doc.SetTabStops(std::move(twips));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      doc.Append(FragmentText(fragment.text()), FromCharFormat(fragment.charFormat(), defaultFont));
    }
  }
  return doc;
}

}  // namespace tavilo
