#include "PdfJoin.h"

#include <QIODevice>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <memory>
#include <stdexcept>

namespace {

// The joined file goes straight into the device the caller keeps open.
class DevicePipeline : public Pipeline {
public:
    explicit DevicePipeline(QIODevice& device) : Pipeline("device", nullptr), device_(device) {}
    void write(unsigned char const* data, size_t length) override
    {
        const auto size = static_cast<qint64>(length);
        if (device_.write(reinterpret_cast<const char*>(data), size) != size)
            throw std::runtime_error(device_.errorString().toStdString());
    }
    void finish() override {}

private:
    QIODevice& device_;
};

}  // namespace

bool PdfJoin::join(const std::vector<std::string>& files, QIODevice& target, std::string& error)
{
    try {
        // The later files are read while the result is written: they live until then.
        std::vector<std::unique_ptr<QPDF>> documents;
        for (const std::string& file : files) {
            documents.push_back(std::make_unique<QPDF>());
            documents.back()->setSuppressWarnings(true);
            documents.back()->processFile(file.c_str());
        }
        if (documents.empty())
            throw std::runtime_error("no pages to join");
        QPDFPageDocumentHelper joined(*documents.front());
        for (std::size_t i = 1; i < documents.size(); ++i) {
            for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(*documents[i]).getAllPages())
                joined.addPage(page, false);
        }
        DevicePipeline output(target);
        QPDFWriter writer(*documents.front());
        writer.setDeterministicID(true);
        writer.setOutputPipeline(&output);
        writer.write();
        return true;
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
}
