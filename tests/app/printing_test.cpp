// Printing fits every block to the page: documents are printed to PDF and their words read back
// with their positions (pdftotext from poppler-utils), then compared with the document's words.
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <QXmlStreamReader>

#include "app/document_bridge.h"
#include "app/printing.h"
#include "app/qt_text.h"
#include "engines/rhyme/rhyme.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

struct PdfWord {
  QString text;
  double xMin = 0, xMax = 0;
};

// The words of a PDF with their horizontal extent in points, the page width and the page count;
// no pages when pdftotext fails.
std::vector<PdfWord> ReadPdfWords(const QString& pdf, double& pageWidth, int& pages) {
  std::vector<PdfWord> words;
  pages = 0;
  QProcess process;
  process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return words;
  QXmlStreamReader xml(process.readAllStandardOutput());
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes at = xml.attributes();
    if (xml.name() == QLatin1String("page")) {
      ++pages;
      pageWidth = at.value(QLatin1String("width")).toDouble();
    } else if (xml.name() == QLatin1String("word")) {
      const double xMin = at.value(QLatin1String("xMin")).toDouble(), xMax = at.value(QLatin1String("xMax")).toDouble();
      words.push_back({xml.readElementText(), xMin, xMax});
    }
  }
  return words;
}

// The rhyme result for "age" among the nouns of the shipped dictionary, header on top, as the
// window shows it: six columns reaching eight inches and a half.
Document ShippedRhymeDocument() {
  LexiconLoad load = LoadLexicon(TAVILO_SOURCE_DATA_DIR);
  if (!load.lexicon) return {};
  Session session;
  const RhymeResult result = FindRhymes(*load.lexicon, session, RhymeQuery{.typed = "age"});
  Document doc = WriteRhymeBlock(result);
  doc.InsertHeader(WriteRhymeHeader(result));
  return doc;
}

// A block wider still, in the fixed-pitch font of the anagram and listing tools: twelve columns,
// one every inch and a quarter.
Document WideCourierDocument() {
  Document doc;
  std::vector<int> stops;
  for (int column = 0; column < 12; ++column) stops.push_back(360 + column * 1800);
  doc.SetTabStops(stops);
  for (int line = 0; line < 80; ++line) {
    std::string text;
    for (int column = 0; column < 12; ++column) text += "\tmot" + std::to_string(line * 12 + column) + "x";
    doc.Append(text + "\n", CharFormat{.font = "Courier New", .half_points = 20});
  }
  return doc;
}

Document NarrowDocument() {
  Document doc;
  doc.SetTabStops({720, 2160});
  doc.Append("\tchat\tchien\n\tpage\tcage\n", CharFormat{});
  return doc;
}

TEST(PrintToFit, EveryWordIsOnThePageWithinTheMarginsAndOnlyWideBlocksShrink) {
  ScratchFolder folder;
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const struct {
    const char* name;
    Document (*make)();
    QPageLayout::Orientation orientation;
    bool mustShrink;
  } cases[] = {
      {"shipped rhymes, portrait", ShippedRhymeDocument, QPageLayout::Portrait, true},
      {"shipped rhymes, landscape", ShippedRhymeDocument, QPageLayout::Landscape, false},
      {"twelve Courier columns", WideCourierDocument, QPageLayout::Portrait, true},
      {"narrow list", NarrowDocument, QPageLayout::Portrait, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Document doc = c.make();
    ASSERT_FALSE(doc.empty());
    QTextDocument text;
    text.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    FillTextDocument(doc, text);
    const QString pdf = folder.File(QStringLiteral("print.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(c.orientation);
    SetDefaultPrintMargins(printer);
    const PrintLayout layout = PrintToFit(text, printer);
    EXPECT_EQ(layout.scale < 1, c.mustShrink) << layout.naturalWidth << " / " << layout.printableWidth;

    double pageWidth = 0;
    int pages = 0;
    const std::vector<PdfWord> read = ReadPdfWords(pdf, pageWidth, pages);
    ASSERT_GT(pages, 0);
    EXPECT_EQ(pages, layout.pageCount);
    const double margin = printer.pageLayout().margins(QPageLayout::Point).left();
    QStringList printed;
    for (const PdfWord& word : read) {
      printed.append(word.text);
      EXPECT_GE(word.xMin, margin - 1) << word.text.toStdString();
      EXPECT_LE(word.xMax, pageWidth - margin + 1) << word.text.toStdString();
    }
    // The headers' guillemets hold non-breaking spaces, which the PDF's text reads as spaces.
    QStringList expected = FromUtf8(WritePlainText(doc))
                               .split(QRegularExpression(QStringLiteral("[\\s\\x{00A0}]+")), Qt::SkipEmptyParts);
    expected.sort();
    printed.sort();
    EXPECT_TRUE(printed == expected) << expected.size() << " words in the document, " << printed.size()
                                     << " on paper: each must be printed once, and nothing else";
  }
}

}  // namespace
}  // namespace tavilo::testing
