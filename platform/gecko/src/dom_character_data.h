// Text and comment nodes: nsIDOMText / nsIDOMComment (and so nsIDOMCharacterData and
// nsIDOMNode) with nsIDOM3Node, over an engine text node. Offsets and lengths count
// UTF-16 units, as the DOM's do; the engine keeps the text as UTF-8.
#pragma once

#include "dom_node.h"
#include "nsIDOMComment.h"
#include "nsIDOMText.h"

namespace gecko {

// Browser-thread parts (dom_character_data.cpp).
namespace text_ops {
nsString data(const engine::Node& node);
void setData(engine::Node& node, const nsAString& data);
// Replaces `count` units at `offset` by `text` (count is cut at the end of the data);
// an offset past the end is an index error.
nsresult replace(engine::Node& node, PRUint32 offset, PRUint32 count, const nsAString& text);
// The units after `offset` go to a new text node placed right after this one.
nsresult split(engine::Node& node, PRUint32 offset, std::shared_ptr<engine::Node>& tail);
}  // namespace text_ops

template <class Primary>  // nsIDOMText or nsIDOMComment
class CharacterDataImpl : public NodeImpl<Primary> {
 public:
  NS_IMETHOD GetData(nsAString& aData) override {
    nsString value;
    nsresult rv = this->session().carry([&]() -> nsresult {
      value = text_ops::data(*this->node_);
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) aData.Assign(value);
    return rv;
  }
  NS_IMETHOD SetData(const nsAString& aData) override {
    return this->session().carry([&]() -> nsresult {
      text_ops::setData(*this->node_, aData);
      return NS_OK;
    });
  }
  NS_IMETHOD GetLength(PRUint32* aLength) override {
    if (!aLength) return NS_ERROR_NULL_POINTER;
    return this->session().carry([&]() -> nsresult {
      *aLength = text_ops::data(*this->node_).Length();
      return NS_OK;
    });
  }
  NS_IMETHOD SubstringData(PRUint32 offset, PRUint32 count, nsAString& _retval) override {
    _retval.Truncate();
    nsString value;
    nsresult rv = this->session().carry([&]() -> nsresult {
      value = text_ops::data(*this->node_);
      return NS_OK;
    });
    if (NS_FAILED(rv)) return rv;
    if (offset > value.Length()) return NS_ERROR_DOM_INDEX_SIZE_ERR;
    const PRUint32 available = value.Length() - offset;
    _retval.Assign(Substring(value, offset, count < available ? count : available));
    return NS_OK;
  }
  NS_IMETHOD AppendData(const nsAString& arg) override {
    return this->session().carry([&]() -> nsresult {
      const PRUint32 end = text_ops::data(*this->node_).Length();
      return text_ops::replace(*this->node_, end, 0, arg);
    });
  }
  NS_IMETHOD InsertData(PRUint32 offset, const nsAString& arg) override {
    return this->session().carry([&]() -> nsresult { return text_ops::replace(*this->node_, offset, 0, arg); });
  }
  NS_IMETHOD DeleteData(PRUint32 offset, PRUint32 count) override {
    return this->session().carry(
        [&]() -> nsresult { return text_ops::replace(*this->node_, offset, count, nsString()); });
  }
  NS_IMETHOD ReplaceData(PRUint32 offset, PRUint32 count, const nsAString& arg) override {
    return this->session().carry([&]() -> nsresult { return text_ops::replace(*this->node_, offset, count, arg); });
  }

 protected:
  CharacterDataImpl(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Node> node)
      : NodeImpl<Primary>(std::move(session), std::move(node)) {}

  void* characterDataInterface(const nsIID& iid) {
    if (iid.Equals(NS_GET_IID(Primary)) || iid.Equals(NS_GET_IID(nsIDOMCharacterData))) {
      return static_cast<Primary*>(this);
    }
    return this->nodeInterface(iid);
  }
};

class DomText final : public CharacterDataImpl<nsIDOMText> {
 public:
  DomText(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Node> node)
      : CharacterDataImpl(std::move(session), std::move(node)) {}

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD SplitText(PRUint32 offset, nsIDOMText** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    return session().carry([&]() -> nsresult {
      std::shared_ptr<engine::Node> tail;
      nsresult rv = text_ops::split(*node_, offset, tail);
      return NS_FAILED(rv) ? rv : wrapAs(session(), tail, _retval);
    });
  }

 private:
  void* queryInterface(const nsIID& iid) override { return characterDataInterface(iid); }
};

class DomComment final : public CharacterDataImpl<nsIDOMComment> {
 public:
  DomComment(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Node> node)
      : CharacterDataImpl(std::move(session), std::move(node)) {}

  GECKO_DOM_ISUPPORTS

 private:
  void* queryInterface(const nsIID& iid) override { return characterDataInterface(iid); }
};

}  // namespace gecko
