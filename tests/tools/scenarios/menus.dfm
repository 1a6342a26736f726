object MainForm: TForm
  Caption = 'Menus'
  Left = 100
  Top = 80
  Width = 420
  Height = 300
  Menu = MainMenu1
  object Tracebook1: TKDTracebook
    ApplicationID = 'Menus'
    Filename = 'menus.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0'
      'TEditEvent=0')
  end
  object MainMenu1: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Caption = '&Open'
        ShortCut = 'Ctrl+O'
      end
      object RecentMenu: TMenuItem
        Caption = '&Recent'
        object Recent1: TMenuItem
          Caption = '&1 orders'
        end
        object MoreMenu: TMenuItem
          Caption = '&More'
          object OldItem: TMenuItem
            Caption = 'O&ld orders'
            ShortCut = 'Ctrl+D'
          end
        end
      end
      object SaveItem: TMenuItem
        Action = SaveAction
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      Enabled = False
      object CutItem: TMenuItem
        Caption = 'Cu&t'
        ShortCut = 'Ctrl+X'
      end
    end
    object HelpItem: TMenuItem
      Caption = '&Help'
    end
  end
  object ActionList1: TActionList
    object SaveAction: TAction
      Caption = '&Save'
      ShortCut = 'Ctrl+S'
    end
    object PrintAction: TAction
      Caption = '&Print'
      ShortCut = 'Ctrl+P'
    end
    object QuitAction: TAction
      Caption = '&Quit'
      ShortCut = 'Ctrl+W'
      Enabled = False
    end
  end
  object NotesMenu: TPopupMenu
    object ClearItem: TMenuItem
      Caption = '&Clear'
      ShortCut = 'Ctrl+L'
    end
    object FormatMenu: TMenuItem
      Caption = '&Format'
      object BoldItem: TMenuItem
        Caption = '&Bold'
      end
    end
  end
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 260
    Height = 120
    PopupMenu = NotesMenu
    object Notes: TMemo
      Left = 10
      Top = 10
      Width = 200
      Height = 60
    end
  end
  object OKBtn: TButton
    Left = 8
    Top = 140
    Width = 75
    Height = 25
    Caption = 'OK'
  end
end
