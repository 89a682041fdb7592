// lomarin: the desktop reader and search of the Thai Buddhist canon.
#include <QStringList>
#include <cstdio>

#include "commandline.h"
#include "datafolder.h"
#include "lomarinapplication.h"
#include "tfrmmain.h"
#include "thaifonts.h"

int main(int argc, char** argv) {
  lomarin::LomarinApplication app(argc, argv);
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  const lomarin::CommandLine options = lomarin::ParseCommandLine(args);
  if (!options.error.empty()) {
    std::fprintf(stderr, "%s\nusage: lomarin [--data DIR] [--open CODE[:ENTRY]]\n", options.error.c_str());
    return 2;
  }
  lomarin::InstallThaiFontSubstitutes();
  auto* desktop = new lomarin::TfrmMain(lomarin::ResolveDataFolder(lomarin::ProcessDataFolderInputs(options.dataFolder)));
  desktop->setAttribute(Qt::WA_DeleteOnClose);
  if (options.open) desktop->SetStartupRequest(*options.open);
  desktop->showFullScreen();
  return QApplication::exec();
}
