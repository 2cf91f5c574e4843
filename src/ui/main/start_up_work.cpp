#include "ui/main/start_up_work.h"

#include <system_error>

#include "content/extract_resource.h"
#include "content/resource_ids.h"

namespace {

DecodedPictures DecodeSkinPictures() {
    QList<PictureFile> files;
    for (int id : GraphicIds()) files.append({GraphicFileName(id), ResourceBytes(id)});
    return DecodePictures(files);
}

}  // namespace

StartUpWorker::StartUpWorker(const QString& programFolder, const QString& resultsFolder)
    : m_programFolder(programFolder),
      m_resultsFolder(resultsFolder),
      m_unwritten(m_picturesWritten.get_future()),
      m_files(m_filesDone.get_future()) {
    // Without a thread to be had, each take does its part itself.
    try {
        m_decoded = std::async(std::launch::async, DecodeSkinPictures);
    } catch (const std::system_error&) {
    }
    try {
        m_writer = std::thread([this] {
            const QStringList unwritten = WriteGraphics(m_programFolder);
            m_picturesWritten.set_value(unwritten);
            m_filesDone.set_value(unwritten.isEmpty()
                                      ? PrepareResultsFiles(m_programFolder, m_resultsFolder)
                                      : PreparedFiles{});
        });
    } catch (const std::system_error&) {
        m_unwritten = {};
        m_files = {};
    }
}

StartUpWorker::~StartUpWorker() {
    if (m_writer.joinable()) m_writer.join();
}

SkinPictures StartUpWorker::takePictures() {
    SkinPictures pictures;
    pictures.unwritten = m_unwritten.valid() ? m_unwritten.get() : WriteGraphics(m_programFolder);
    if (pictures.unwritten.isEmpty())
        pictures.decoded = m_decoded.valid() ? m_decoded.get() : DecodeSkinPictures();
    return pictures;
}

PreparedFiles StartUpWorker::takeFiles() {
    return m_files.valid() ? m_files.get() : PrepareResultsFiles(m_programFolder, m_resultsFolder);
}
