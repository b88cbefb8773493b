# The dialog manager's moves that both models share: Tab to the next tab stop
# in template order, and the arrows round a group, each wrapping.
module Navigation
  module_function

  # The next control after `from` (or before, step -1) for which the block
  # answers true.
  def next_tab_stop(template, from, step)
    at = template.index(from)
    (1..template.size).map { |k| template[(at + step * k) % template.size] }.find { |id| yield id }
  end

  def round(ring, from, step)
    ring[(ring.index(from) + step) % ring.size]
  end
end
