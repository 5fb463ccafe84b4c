#include "app/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <memory>

namespace tavilo {
namespace {

constexpr qreal kDefaultMarginMillimetres = 20;

// A copy of source laid out for the printer's resolution: font sizes in points and tab stops
// become printer pixels, so the measures below are those of the paper. The printer's margins
// are the only margins.
std::unique_ptr<QTextDocument> PrinterCopy(const QTextDocument& source, QPrinter& printer, QTextOption::WrapMode wrap) {
  std::unique_ptr<QTextDocument> copy(source.clone());
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setDocumentMargin(0);
  QTextOption option = copy->defaultTextOption();
  option.setWrapMode(wrap);
  copy->setDefaultTextOption(option);
  return copy;
}

struct Prepared {
  std::unique_ptr<QTextDocument> document;
  PrintLayout layout;
  QSizeF page;  // one page, in the document's own (unscaled) units
};

Prepared Prepare(const QTextDocument& source, QPrinter& printer) {
  Prepared prepared;
  prepared.document = PrinterCopy(source, printer, QTextOption::NoWrap);
  PrintLayout& layout = prepared.layout;
  layout.printableWidth = printer.width();
  layout.naturalWidth = prepared.document->idealWidth();
  if (layout.naturalWidth > layout.printableWidth && layout.naturalWidth > 0) {
    // A hair under the exact ratio, so that rounding in the glyph positions cannot push the last
    // letter past the margin.
    layout.scale = std::max(kMinimumPrintScale, layout.printableWidth / layout.naturalWidth * 0.995);
  }
  if (layout.naturalWidth * layout.scale > layout.printableWidth) {
    QTextOption option = prepared.document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    prepared.document->setDefaultTextOption(option);
  }
  prepared.page = QSizeF(layout.printableWidth / layout.scale, printer.height() / layout.scale);
  prepared.document->setPageSize(prepared.page);
  layout.pageCount = prepared.document->pageCount();
  return prepared;
}

}  // namespace

void SetDefaultPrintMargins(QPrinter& printer) {
  printer.setPageMargins(QMarginsF(kDefaultMarginMillimetres, kDefaultMarginMillimetres, kDefaultMarginMillimetres,
                                     kDefaultMarginMillimetres),
                         QPageLayout::Millimeter);
}

PrintLayout MeasureForPrinter(const QTextDocument& source, QPrinter& printer) {
  return Prepare(source, printer).layout;
}

PrintLayout PrintToFit(const QTextDocument& source, QPrinter& printer) {
  QPainter painter(&printer);
  if (!painter.isActive()) return PrintLayout{};
  const Prepared prepared = Prepare(source, printer);
  const QSizeF page = prepared.page;
  QAbstractTextDocumentLayout* layout = prepared.document->documentLayout();
  for (int index = 0; index < prepared.layout.pageCount; ++index) {
    if (index > 0) printer.newPage();
    painter.save();
    painter.scale(prepared.layout.scale, prepared.layout.scale);
    const QRectF view(QPointF(0, index * page.height()), page);
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // The layout moves a line that would cross the bottom of a page to the next page, but its
    // box may still touch the boundary by a fraction of a pixel: draw only the lines that
    // really lie on this page, or the PDF would hold their text twice.
    context.clip = view.adjusted(0, 1, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    layout->draw(&painter, context);
    painter.restore();
  }
  return prepared.layout;
}

}  // namespace tavilo
