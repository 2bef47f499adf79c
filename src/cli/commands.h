#pragma once

#include "cli/command.h"

namespace Tessaro::Cli {

// check FILE...: each file's report, as the window's import gives it.
class CheckCommand : public Command
{
public:
    CheckCommand();

protected:
    QList<QCommandLineOption> options() const override { return {}; }
    bool takesFiles() const override { return true; }
    Status execute(const QCommandLineParser &parser) override;
};

// generate: one file.
class GenerateCommand : public Command
{
public:
    GenerateCommand();

protected:
    QList<QCommandLineOption> options() const override;
    Status execute(const QCommandLineParser &parser) override;
};

// batch: the same file for each of several units, each with its own ID.
class BatchCommand : public Command
{
public:
    BatchCommand();

protected:
    QList<QCommandLineOption> options() const override;
    Status execute(const QCommandLineParser &parser) override;
};

// compare FILE: the rows where a file and a form differ.
class CompareCommand : public Command
{
public:
    CompareCommand();

protected:
    QList<QCommandLineOption> options() const override;
    bool takesFiles() const override { return true; }
    Status execute(const QCommandLineParser &parser) override;
};

// cards: each unit's file onto the next memory card inserted, as the window's
// Write to Cards does.
class CardsCommand : public Command
{
public:
    CardsCommand();

protected:
    QList<QCommandLineOption> options() const override;
    Status execute(const QCommandLineParser &parser) override;
};

} // namespace Tessaro::Cli
