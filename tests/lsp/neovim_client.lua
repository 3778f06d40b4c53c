-- Drives Neovim's own LSP client against tamro-lsp and writes what it received, one item a
-- line, to $TAMRO_NVIM_OUT. Run as: nvim --headless --clean -c "luafile neovim_client.lua"
local out = assert(io.open(os.getenv("TAMRO_NVIM_OUT"), "w"))
local function finish(code)
  out:close()
  vim.cmd(code == 0 and "qa!" or "cq!")
end

local client = vim.lsp.start_client({
  name = "tamro",
  cmd = { os.getenv("TAMRO_LSP") },
  root_dir = vim.fn.fnamemodify(os.getenv("TAMRO_NVIM_SOURCE"), ":h"),
  init_options = { includeFolder = os.getenv("TAMRO_NVIM_INCLUDE") },
})
if not client then
  out:write("no client\n")
  return finish(1)
end
vim.cmd("edit " .. vim.fn.fnameescape(os.getenv("TAMRO_NVIM_SOURCE")))
vim.lsp.buf_attach_client(0, client)

vim.wait(20000, function() return #vim.diagnostic.get(0) > 0 end, 50)
for _, d in ipairs(vim.diagnostic.get(0)) do
  out:write(string.format("diagnostic %d:%d %s\n", d.lnum, d.col, d.message))
end

local doc = { textDocument = vim.lsp.util.make_text_document_params() }
local function walk(symbols, depth)
  for _, s in ipairs(symbols or {}) do
    out:write(string.format("symbol %s%s %d\n", string.rep(" ", depth), s.name, s.range.start.line))
    walk(s.children, depth + 1)
  end
end
local answers = vim.lsp.buf_request_sync(0, "textDocument/documentSymbol", doc, 20000) or {}
for _, answer in pairs(answers) do walk(answer.result, 0) end

doc.position = { line = tonumber(os.getenv("TAMRO_NVIM_LINE")), character = tonumber(os.getenv("TAMRO_NVIM_COLUMN")) }
answers = vim.lsp.buf_request_sync(0, "textDocument/completion", doc, 20000) or {}
for _, answer in pairs(answers) do
  for _, item in ipairs((answer.result or {}).items or {}) do
    out:write("completion " .. item.label .. "\n")
  end
end
finish(0)
