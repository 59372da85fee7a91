#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include "BenchDesign.h"
#include "FakeTextMeasurer.h"
#include "import/DocumentImport.h"
#include "json/DesignJson.h"

namespace htmlsim::bench {

// Counts what is written and keeps nothing, as standard output does for the CLI.
class CountingBuffer : public std::streambuf {
  public:
    size_t count = 0;

  protected:
    int_type overflow(int_type c) override {
        ++count;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += static_cast<size_t>(n);
        return n;
    }
};

// What `htmlsim-cli design` does once the file is read: the page read with its controls and
// printed as JSON, without the process start and the file.
class DesignJsonRun {
  public:
    // The page is shared with the design read, as the CLI's session shares the text it read.
    explicit DesignJsonRun(const std::string& document)
        : mDocument(std::make_shared<const std::string>(document)), mCodec(document) {}

    // The design read, kept until the next run so that dropping it is not part of the run; the
    // size of the JSON written.
    size_t Run() {
        mDesign = std::make_unique<PageDesign>();
        ImportContext context{*mDesign, mSurface, mPictures, mDialogs, "/work/"};
        context.controls = &mControls;
        ImportDocument(mDocument, context);
        CountingBuffer counted;
        std::ostream json(&counted);
        cli::WriteDesignJson(json, *mDesign, &mControls, {}, mCodec);
        return counted.count;
    }

    const PageDesign& Design() const { return *mDesign; }
    void DropDesign() { mDesign.reset(); }

  private:
    const std::shared_ptr<const std::string> mDocument;
    NoSurface mSurface;
    AnyPictures mPictures;
    UnexpectedMessageDialogs mDialogs;
    testing::FakeTextMeasurer mMeasurer;
    PageControls mControls{mMeasurer, mDialogs, [](const std::string&, const std::string&) {}};
    const DocumentCodec mCodec;
    std::unique_ptr<PageDesign> mDesign;
};

}  // namespace htmlsim::bench
