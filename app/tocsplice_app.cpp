#include "app/tocsplice_app.h"

#include "app/tocsplice_command_line_info.h"
#include "merge/contents_merger.h"

namespace {

// Constructed in this order before the entry point runs.
CTocspliceApp theApp;
CTocspliceCommandLineInfo theCommandLineInfo;

}  // namespace

bool CTocspliceApp::Start() {
  CTocspliceCommandLineInfo& info = theCommandLineInfo;
  ParseCommandLine(info);
  if (info.m_bSilent) {
    if (!info.m_strOutputFile.empty() && !info.m_strInputFile.empty() &&
        !info.m_strMergeFile.empty()) {
      CContentsMerger merger;
      // The outcome reaches the caller through the run log only.
      merger.Merge(info.m_strOutputFile, info.m_strInputFile,
                   info.m_strMergeFile, info.m_strSection, info.m_strLogFile);
    }
  }
  return false;
}
