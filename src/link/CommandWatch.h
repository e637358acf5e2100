#pragma once
// Watches the commands of one long procedure that reads the unit (the first read after
// connecting) while it lives:
// - before each of its commands but the first, `between` runs (the first read lets pending
//   events run there, operator input included, so a Terminate, a Disconnect or the
//   window's close acts within one command's time-out);
// - three commands in a row that got no reply at all are a question about the link: the
//   unit is asked once more (`linkAnswers`, the status query). A unit may be silent on
//   queries it does not know; when it answers, the procedure goes on, otherwise
//   `linkLost` runs (the link counts as lost and the connection ends).
// Commands sent by the callbacks themselves are not watched. Watches do not nest: one made
// while another lives watches nothing.
#include <functional>

struct LinkContext;

class CommandWatch {
public:
    CommandWatch(LinkContext& p, std::function<void()> between, std::function<bool()> linkAnswers,
                 std::function<void()> linkLost);
    ~CommandWatch();
    CommandWatch(const CommandWatch&) = delete;
    CommandWatch& operator=(const CommandWatch&) = delete;

    // The procedure has sent its last command: when it ended with commands that got no reply,
    // the link question is asked now. False when the link is lost (or the connection ended).
    bool linkStillUp();

    // Called by the transaction around each command it sends.
    void beforeCommand();
    // `replied`: some reply came, good or bad. Not called when the connection ended meanwhile.
    void afterCommand(bool replied);

    static constexpr int SilentLimit = 3;

private:
    bool askAboutLink();

    LinkContext& p_;
    std::function<void()> between_;
    std::function<bool()> linkAnswers_;
    std::function<void()> linkLost_;
    bool installed_ = false;
    bool inCallback_ = false;
    bool sentOne_ = false;
    int silentInRow_ = 0;
};
