// A three-step mod for Kestrune's run and install-window tests.
#include "QuickReplyMod.h"

#include "modcommon/ModTags.h"

namespace testsupport {

kestrune::TStep Step(std::string file, std::string search, int kind, std::string action) {
    kestrune::TStep step;
    step.FileToEdit = std::move(file);
    step.SearchText = std::move(search);
    step.Kind = kind;
    step.ActionText = std::move(action);
    return step;
}

kestrune::TMod QuickReplyMod() {
    kestrune::TMod mod;
    mod.FileName = "quick_reply.mod";
    mod.Id = "Quick Reply";
    mod.Version = "1.2";
    mod.Steps = {
        Step("Sources/Post.pl", "    print $form;", modcommon::kTagReplace,
             "    print $form_with_reply;"),
        Step("Sources/Display.pl", "    print $thread;", modcommon::kTagAddAfter,
             "    print $quick_reply;"),
        Step("Sources/Display.pl", "sub Display {", modcommon::kTagAddBefore, "# quick reply"),
    };
    return mod;
}

}  // namespace testsupport
