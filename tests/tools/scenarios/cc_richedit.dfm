object MainForm: TForm
  Caption = 'Rich edits'
  Left = 100
  Top = 80
  Width = 400
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'RichEdits'
    Filename = 'cc_richedit.evt'
  end
  object Notes: TRichEdit
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    Lines.Strings = (
      'First line')
  end
  object OKBtn: TButton
    Left = 8
    Top = 120
    Width = 75
    Height = 25
    Caption = 'OK'
  end
end
