#pragma once

#include "PainterSurface.h"

#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPdfWriter;

// A sheet of paper: a page of a printer or of a PDF file, measured in twips of the paper.
class PaperSurface : public PainterSurface {
public:
    // Draws on a device the caller keeps, such as a printer set up by a print dialog.
    explicit PaperSurface(QPagedPaintDevice* device);
    // An A4 portrait page of a new vector PDF file.
    static std::unique_ptr<PaperSurface> pdf(const QString& path, const QString& title = {});
    // The same, written into a device the caller keeps open (a file saved at the end).
    static std::unique_ptr<PaperSurface> pdf(QIODevice* device, const QString& title = {});
    ~PaperSurface() override;

    void clear() override;
    void newPage();
    // Ends the document; returns false when it could not be written.
    bool finish();

private:
    PaperSurface(std::unique_ptr<QPdfWriter> writer);
    static std::unique_ptr<PaperSurface> a4(std::unique_ptr<QPdfWriter> writer, const QString& title);

    std::unique_ptr<QPdfWriter> writer_;
    QPagedPaintDevice* device_;
};
