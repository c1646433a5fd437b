// The client side of a DDE conversation, as a text box's link properties carry it: a topic
// "application|topic", an item, a link mode and a request for the item in text form.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

/** A failed step of the conversation, with the number the program's error handling tells apart. */
class DdeError : public std::runtime_error {
public:
    /** Nobody answered when the conversation was opened. */
    static constexpr int kNoServer = 282;
    /** The server refused or did not perform the operation. */
    static constexpr int kRefused = 285;
    /** The server did not answer the request in time. */
    static constexpr int kTimeout = 286;

    DdeError(int number, const std::string& message)
        : std::runtime_error(message), m_number(number) {}
    int number() const { return m_number; }

private:
    int m_number;
};

class DdeClient {
public:
    virtual ~DdeClient() = default;

    virtual void setLinkTopic(const std::string& topic) = 0;
    virtual void setLinkItem(const std::string& item) = 0;
    /**
     * 0 ends the conversation, 2 (a manual link) opens one with the application and topic of the
     * link topic; throws DdeError, kNoServer when no server answers.
     */
    virtual void setLinkMode(int mode) = 0;
    /** Asks the server for the link item in text form and waits for its answer; throws DdeError. */
    virtual void linkRequest() = 0;
};

/** Windows' DDE client (the only system with one). */
std::unique_ptr<DdeClient> createDdeClient();
