#pragma once

#include "cli/command.h"

#include <memory>
#include <vector>

namespace Tessaro::Cli {

// check FILE...: each file's report, as the window's import gives it.
class CheckCommand : public Command
{
public:
    CheckCommand();

    QList<QCommandLineOption> options() const override { return {}; }
    bool takesFiles() const override { return true; }

protected:
    Status execute(const QCommandLineParser &parser) override;
};

// generate: one file.
class GenerateCommand : public Command
{
public:
    GenerateCommand();

    QList<QCommandLineOption> options() const override;

protected:
    Status execute(const QCommandLineParser &parser) override;
};

// batch: the same file for each of several units, each with its own ID.
class BatchCommand : public Command
{
public:
    BatchCommand();

    QList<QCommandLineOption> options() const override;

protected:
    Status execute(const QCommandLineParser &parser) override;
};

// compare FILE: the rows where a file and a form differ.
class CompareCommand : public Command
{
public:
    CompareCommand();

    QList<QCommandLineOption> options() const override;
    bool takesFiles() const override { return true; }

protected:
    Status execute(const QCommandLineParser &parser) override;
};

// cards: each unit's file onto the next memory card inserted, as the window's
// Write to Cards does.
class CardsCommand : public Command
{
public:
    CardsCommand();

    QList<QCommandLineOption> options() const override;

protected:
    Status execute(const QCommandLineParser &parser) override;
};

// completion bash: a script that completes this program's command lines in
// bash, made from the commands' own options and the catalogue.
class CompletionCommand : public Command
{
public:
    explicit CompletionCommand(const std::vector<std::unique_ptr<Command>> &commands);

    QList<QCommandLineOption> options() const override { return {}; }
    QStringList argumentWords() const override { return {QStringLiteral("bash")}; }

protected:
    Status execute(const QCommandLineParser &parser) override;

private:
    const std::vector<std::unique_ptr<Command>> &m_commands;
};

} // namespace Tessaro::Cli
