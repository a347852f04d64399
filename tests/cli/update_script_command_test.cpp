// melvoro-cli update-script: the script it writes swaps the given file over melvoro-cli itself.
#include <gtest/gtest.h>

#include "support/program_run.h"
#include "support/temp_dir.h"
#include "update/update_script.h"

namespace melvoro::test {
namespace {

TEST(CliUpdateScript, WritesTheScriptForItsOwnPathAndPrintsWhere) {
  const TempDir app, tmp;
  const auto cli = CopyProgram("melvoro-cli", app.path());
  const auto new_exe = app.Write("melvoro-new", "new");
  ProgramRun run{
      .args = {"update-script", new_exe.string()}, .input = {}, .env = {{"TMPDIR", tmp.path().string()}}};
  const ProgramOutput result = RunProgram(cli, run);
  ASSERT_EQ(result.exit_code, 0) << result.err;
  ASSERT_TRUE(result.out.ends_with(".~tp.bat\n")) << result.out;
  const std::filesystem::path script = result.out.substr(0, result.out.size() - 1);
  EXPECT_EQ(script.parent_path(), tmp.path());
  EXPECT_EQ(ReadFile(script), UpdateScript(new_exe.string(), cli.string()));

  run.args = {"update-script", (app / "missing").string()};
  EXPECT_EQ(RunProgram(cli, run).exit_code, 1);
}

TEST(CliUpdateScript, APathTheScriptWouldMisreadIsAnErrorAndWritesNothing) {
  const TempDir app, tmp;
  const auto cli = CopyProgram("melvoro-cli", app.path());
  for (const char* name : {"new\" & calc & \"", "new%COMSPEC%", "new\r\ncalc"}) {
    const auto new_exe = app.Write(name, "new");
    const ProgramOutput result = RunProgram(
        cli,
        {.args = {"update-script", new_exe.string()}, .input = {}, .env = {{"TMPDIR", tmp.path().string()}}});
    EXPECT_EQ(result.exit_code, 1) << name;
    EXPECT_TRUE(result.err.starts_with("error ")) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

}  // namespace
}  // namespace melvoro::test
