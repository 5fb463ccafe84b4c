// Printing fits every block to the page: documents are printed to PDF and their words read back
// with their positions (pdftotext from poppler-utils), then compared with the document's words.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <algorithm>
#include <iterator>

#include "app/document_bridge.h"
#include "app/printing.h"
#include "app/qt_text.h"
#include "core/lexicon.h"
#include "engines/rhyme/rhyme.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

struct PdfWord {
  QString text;
  double xMin = 0, xMax = 0;
};

struct PdfText {
  bool ok = false;
  double pageWidth = 0;
  int pages = 0;
  std::vector<PdfWord> words;
};

// The words of a PDF with their horizontal extent, in points.
PdfText ReadPdfWords(const QString& pdf) {
  PdfText out;
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return out;
  QProcess process;
  process.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return out;
  QXmlStreamReader xml(process.readAllStandardOutput());
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (xml.name() == QLatin1String("page")) {
      ++out.pages;
      out.pageWidth = attributes.value(QLatin1String("width")).toDouble();
    } else if (xml.name() == QLatin1String("word")) {
      PdfWord word;
      word.xMin = attributes.value(QLatin1String("xMin")).toDouble();
      word.xMax = attributes.value(QLatin1String("xMax")).toDouble();
      word.text = xml.readElementText();
      out.words.push_back(word);
    }
  }
  out.ok = !xml.hasError() || xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
  return out;
}

QStringList SortedWords(const QString& text) {
  QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  words.sort();
  return words;
}

// The rhyme result for "age" among the nouns of the shipped dictionary, header on top, as the
// window shows it: six columns reaching eight inches and a half.
Document ShippedRhymeDocument() {
  LexiconLoad load = LoadLexicon(TAVILO_SOURCE_DATA_DIR);
  if (!load.lexicon) return {};
  Session session;
  RhymeQuery query;
  query.typed = "age";
  const RhymeResult result = FindRhymes(*load.lexicon, session, query);
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
  const CharFormat courier{.font = "Courier New", .half_points = 20};
  for (int line = 0; line < 80; ++line) {
    std::string text;
    for (int column = 0; column < 12; ++column) text += "\tmot" + std::to_string(line * 12 + column) + "x";
    doc.Append(text + "\n", courier);
  }
  return doc;
}

Document NarrowDocument() {
  Document doc;
  doc.SetTabStops({720, 2160});
  doc.Append("\tchat\tchien\n\tpage\tcage\n", CharFormat{});
  return doc;
}

struct PrintCase {
  const char* name;
  Document (*make)();
  QPageLayout::Orientation orientation;
  bool mustShrink;
};

class PrintToFitTest : public ::testing::TestWithParam<PrintCase> {
 protected:
  void SetUp() override { EnsureApplication(); }
  ScratchFolder folder;
};

TEST_P(PrintToFitTest, EveryWordIsOnThePageWithinTheMargins) {
  const PrintCase& c = GetParam();
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
  ASSERT_GT(layout.pageCount, 0);
  EXPECT_EQ(layout.scale < 1, c.mustShrink) << layout.naturalWidth << " / " << layout.printableWidth;

  const PdfText read = ReadPdfWords(pdf);
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.pages, layout.pageCount);

  QStringList printed;
  const double margin = printer.pageLayout().margins(QPageLayout::Point).left();
  for (const PdfWord& word : read.words) {
    printed.append(word.text);
    EXPECT_GE(word.xMin, margin - 1) << word.text.toStdString();
    EXPECT_LE(word.xMax, read.pageWidth - margin + 1) << word.text.toStdString();
  }
  printed.sort();
  const QStringList expected = SortedWords(FromUtf8(WritePlainText(doc)));
  QStringList missing, extra;
  std::set_difference(expected.begin(), expected.end(), printed.begin(), printed.end(), std::back_inserter(missing));
  std::set_difference(printed.begin(), printed.end(), expected.begin(), expected.end(), std::back_inserter(extra));
  EXPECT_TRUE(missing.isEmpty() && extra.isEmpty())
      << expected.size() << " words, " << missing.size() << " missing on paper: "
      << missing.mid(0, 20).join(QLatin1Char(' ')).toStdString() << "; " << extra.size()
      << " not in the document: " << extra.mid(0, 20).join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, PrintToFitTest,
    ::testing::Values(PrintCase{"ShippedRhymesPortrait", ShippedRhymeDocument, QPageLayout::Portrait, true},
                      PrintCase{"ShippedRhymesLandscape", ShippedRhymeDocument, QPageLayout::Landscape, false},
                      PrintCase{"TwelveCourierColumns", WideCourierDocument, QPageLayout::Portrait, true},
                      PrintCase{"NarrowListKeepsItsSize", NarrowDocument, QPageLayout::Portrait, false}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavilo::testing
