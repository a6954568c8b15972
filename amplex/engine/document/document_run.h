// What the scale commands hand the document engines: the document, the page range and the
// master-page and "Fit to" state of the command being run.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

using xt::Fixed;

/// `ScalePageRange`: page numbers from 1; Document mode passes 1 .. page count.
struct PageRange {
    int32_t first = 1;
    int32_t last = 1;
};

class DocumentRun {
public:
    /// `CurrentDocumentRef`.
    xt::DocumentRef documentRef() const { return m_documentRef; }
    void setDocumentRef(xt::DocumentRef ref) { m_documentRef = ref; }

    PageRange pageRange() const { return m_pageRange; }
    void setPageRange(PageRange range) { m_pageRange = range; }

    /// `CurrentPageOffset`: added to a page number of the range before the page is made current.
    int16_t pageOffset() const { return m_pageOffset; }
    void setPageOffset(int16_t offset) { m_pageOffset = offset; }

    /// `OnMasterPage`: the layout window showed master pages when the command started.
    bool onMasterPage() const { return m_onMasterPage; }
    void setOnMasterPage(bool on) { m_onMasterPage = on; }

    /// `FitToOn` and `PaperSizeFit`: the "Fit to:" box is checked and its choice is a paper size.
    bool fitToOn() const { return m_fitToOn; }
    bool paperSizeFit() const { return m_paperSizeFit; }
    void setFitTo(bool on, bool paperSize)
    {
        m_fitToOn = on;
        m_paperSizeFit = paperSize;
    }

    /// The Scale page's "Repeat Count:" (a Fixed whose whole part and sign count; 1.0 at start).
    Fixed repeatCount() const { return m_repeatCount; }
    void setRepeatCount(Fixed count) { m_repeatCount = count; }

private:
    xt::DocumentRef m_documentRef = 0;
    PageRange m_pageRange{};
    Fixed m_repeatCount = xt::kFixedOne;
    int16_t m_pageOffset = 0;
    bool m_onMasterPage = false;
    bool m_fitToOn = false;
    bool m_paperSizeFit = false;
};

/// The plug-in's one run state, set by the command before it starts an engine.
DocumentRun& documentRun();

} // namespace amplex
