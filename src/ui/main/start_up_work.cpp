#include "ui/main/start_up_work.h"

#include <chrono>
#include <utility>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "platform/start_up_threads.h"

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
      m_unwritten(StartUpTask([programFolder] { return WriteGraphics(programFolder); })),
      m_decoded(StartUpTask(DecodeSkinPictures)),
      m_files(StartUpTask([programFolder, resultsFolder, unwritten = m_unwritten] {
          // Handed over after the pictures, so it never waits for work not yet begun.
          return unwritten.get().isEmpty() ? PrepareResultsFiles(programFolder, resultsFolder)
                                           : PreparedFiles{};
      })) {}

StartUpWorker::~StartUpWorker() {
    // Work on a thread is waited for; work left for asking is not done at all.
    const auto finish = [](const auto& work) {
        if (work.wait_for(std::chrono::seconds(0)) != std::future_status::deferred) work.wait();
    };
    finish(m_unwritten);
    finish(m_decoded);
    finish(m_files);
}

SkinPictures StartUpWorker::takePictures() {
    SkinPictures pictures;
    const bool first = !std::exchange(m_picturesTaken, true);
    pictures.unwritten = first ? m_unwritten.get() : WriteGraphics(m_programFolder);
    if (pictures.unwritten.isEmpty())
        pictures.decoded = first ? m_decoded.get() : DecodeSkinPictures();
    return pictures;
}

PreparedFiles StartUpWorker::takeFiles() {
    return !std::exchange(m_filesTaken, true) ? m_files.get()
                                              : PrepareResultsFiles(m_programFolder, m_resultsFolder);
}
