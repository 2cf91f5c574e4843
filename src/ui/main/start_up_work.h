#pragma once
// The start-up's work on files, begun as the main window is made so that it runs on the start-up
// threads (platform/start_up_threads) while the GUI thread builds the widgets, in this order: the
// skin pictures are written (all 89 on a first start) and decoded from the program's own copies,
// the very bytes the written files hold; then the catalogue is read and the results files are
// checked or made. The window takes the pictures as soon as they are on disk and decoded, and
// lays itself out while the results files are still being made; no widget reads a picture before
// they are taken.

#include <QString>
#include <QStringList>
#include <future>

#include "platform/picture_cache.h"
#include "session/main_session.h"

struct SkinPictures {
    QStringList unwritten;    // the pictures that could not be written
    DecodedPictures decoded;  // every picture, when all were written
};

class StartUpWorker {
  public:
    // The results files are checked and made in `resultsFolder` (the learner's), the program
    // folder itself when empty.
    explicit StartUpWorker(const QString& programFolder, const QString& resultsFolder = QString());
    ~StartUpWorker();  // waits for the work still queued or running

    StartUpWorker(const StartUpWorker&) = delete;
    StartUpWorker& operator=(const StartUpWorker&) = delete;

    // Each waits for its part of the work, once; asked again, it does that part anew on the
    // calling thread. The files are worth asking for only when every picture was written.
    SkinPictures takePictures();
    PreparedFiles takeFiles();

  private:
    QString m_programFolder;
    QString m_resultsFolder;
    std::shared_future<QStringList> m_unwritten;
    std::shared_future<DecodedPictures> m_decoded;
    std::shared_future<PreparedFiles> m_files;
    bool m_picturesTaken = false;
    bool m_filesTaken = false;
};
