#pragma once
// A main window stand-in for the printing entry points.

#include "ui/main/contents_channel.h"

#include <QHash>
#include <QWidget>

class FakeContents : public ContentsChannel {
  public:
    QString field(const QString& name) const override { return fields_.value(name); }
    void setField(const QString& name, const QString& value) override {
        fields_.insert(name, value);
    }
    void RefreshContents() override {}
    QString programFolder() const override { return QString(); }
    QWidget* contentsWindow() override { return &window_; }

  private:
    QHash<QString, QString> fields_;
    QWidget window_;
};
