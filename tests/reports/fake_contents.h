#pragma once
// A main window stand-in for the printing entry points.

#include "ui/frame/contents_channel.h"

#include "ui/frame/skinned_window.h"

class FakeContents : public ContentsChannel {
  public:
    const SharedFields& sharedFields() const override { return fields_; }
    void RefreshContents() override {}
    QString programFolder() const override { return QString(); }
    SkinnedWindow* contentsWindow() override { return &window_; }

  private:
    SharedFields fields_;
    SkinnedWindow window_{SkinnedWindow::Skin{}};
};
