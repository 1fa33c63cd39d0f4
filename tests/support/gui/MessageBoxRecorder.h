#pragma once
#include <QList>

#include "platform/gui/MessageBox.h"

// Records every message box while it lives and answers each with a set answer.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = MessageBox::Ok) {
        MessageBox::SetHandler([this, answer](const MessageBox::Call& call) {
            calls.append(call);
            return answer;
        });
    }
    ~MessageBoxRecorder() { MessageBox::SetHandler({}); }

    QList<MessageBox::Call> calls;
};
