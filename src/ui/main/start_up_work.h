#pragma once
// The start-up's work on files, begun as the main window is made so that it runs while the GUI
// thread builds the widgets. One thread writes the skin pictures (all 89 on a first start), then
// reads the catalogue and checks or makes the results files; another decodes the pictures from
// the program's own copies, the very bytes the written files hold. The window takes the pictures
// as soon as they are on disk and decoded, and lays itself out while the results files are still
// being made; no widget reads a picture before they are taken.

#include <QString>
#include <QStringList>
#include <future>
#include <thread>

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
    ~StartUpWorker();  // waits for the work still running

    StartUpWorker(const StartUpWorker&) = delete;
    StartUpWorker& operator=(const StartUpWorker&) = delete;

    // Each waits for its part of the work, once; asked again, it does that part anew on the
    // calling thread. The files are worth asking for only when every picture was written.
    SkinPictures takePictures();
    PreparedFiles takeFiles();

  private:
    QString m_programFolder;
    QString m_resultsFolder;
    std::promise<QStringList> m_picturesWritten;
    std::promise<PreparedFiles> m_filesDone;
    std::future<QStringList> m_unwritten;
    std::future<PreparedFiles> m_files;
    std::future<DecodedPictures> m_decoded;
    std::thread m_writer;
};
