// The Submit command: the two input checks, then one post of the whole list (up to 2000
// lines) or posts of 2000 lines each, every reply logged as it comes.
#include "app/submit_command.h"

#include "app/submit/push_report.h"
#include "app/submit/push_texts.h"

namespace urlpush {
namespace {

namespace t = push_texts;

// Posts one batch and logs its report; the address is read anew for each batch.
void PushBatch(WindowServices& window, const PushPoster& post, std::string_view batch) {
    const PushResult result = post(window.BoxText(Box::编辑框1), batch);
    window.AppendText(Box::编辑框3, PushReport(result.body, result.status, PushMode::kBatch));
}

}  // namespace

void RunSubmit(WindowServices& window, const PushPoster& post) {
    if (window.BoxText(Box::编辑框1).empty()) {
        window.ShowMessage(t::kInterfaceEmpty, t::kNoticeTitle);
        return;
    }
    Text list = window.BoxText(Box::编辑框2);
    if (list.empty()) {
        window.ShowMessage(t::kUrlsEmpty, t::kNoticeTitle);
        return;
    }
    const Text url = window.BoxText(Box::编辑框1);
    const TextArray lines = SplitText(list, "\r\n");
    const int n = ArraySize(lines);

    if (n <= kBatchLines) {
        list = window.BoxText(Box::编辑框2);  // exactly what the box holds, posted unchanged
        const PushResult result = post(url, list);
        window.AppendText(Box::编辑框3, PushReport(result.body, result.status, PushMode::kSingle));
        return;
    }

    list.clear();
    list.shrink_to_fit();  // the lines hold the list now
    Text batch;
    int inBatch = 0;
    for (int i = 1; i <= n; ++i) {
        batch.append(Member(lines, i)).append("\r\n");
        if (++inBatch == kBatchLines) {
            PushBatch(window, post, batch);
            batch.clear();
            inBatch = 0;
        }
    }
    // A list of a whole number of batches leaves nothing here, and nothing empty is posted.
    if (inBatch > 0) PushBatch(window, post, batch);
    window.AppendText(Box::编辑框3, ConcatText(t::kTotal, ToText(n), "\r\n"));
}

}  // namespace urlpush
